#pragma once
// "Rename Bookmark" / "Rename Folder": one edit for the new name, OK and Cancel.

#include "ModelDialog.h"
#include "view/EditDialogs.h"

class QLineEdit;

namespace linkfold::gui {

class QtRenameDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtRenameDialog(CRenameDlg& model, UiPort& ui, QWidget* parent);

 protected:
  void readControls() override;
  void showRefused() override;

 private:
  void showName();

  CRenameDlg& model_;
  std::string shownName_;  // the bytes behind the edit's text
  QLineEdit* name_;
};

}  // namespace linkfold::gui
