#pragma once
// "Bookmark Properties": the name and the three dates read-only, the URL editable, Help.

#include "ModelDialog.h"
#include "view/EditDialogs.h"

class QLineEdit;

namespace linkfold::gui {

class QtPropertiesDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtPropertiesDialog(CPropertiesDlg& model, UiPort& ui, QWidget* parent);

  // Showing a dialog selects the text of its first field; here the caret stays after the URL.
  void setVisible(bool visible) override;

 protected:
  void readControls() override;
  void showRefused() override;

 private:
  void showUrl();

  CPropertiesDlg& model_;
  const std::string originalUrl_;  // the bytes behind the edit's first text
  QLineEdit* url_;
};

}  // namespace linkfold::gui
