#pragma once
// "Find Bookmark": the text, the ignore-case box, where to look and where to start.

#include "ModelDialog.h"
#include "tools/FindDialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace linkfold::gui {

class QtFindDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtFindDialog(FindDialog& model, UiPort& ui, QWidget* parent);

 protected:
  void readControls() override;
  void showRefused() override;

 private:
  void showFields();

  FindDialog& model_;
  std::string shownText_;  // the bytes behind the edit's text
  QLineEdit* text_;
  QCheckBox* ignoreCase_;
  QButtonGroup* lookIn_;
  QButtonGroup* startAt_;
};

}  // namespace linkfold::gui
