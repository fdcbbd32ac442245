#pragma once
// The Options menu's two dialogs: "Set Scroll Rate" and "Select Replacement Character".

#include "ModelDialog.h"
#include "tools/OptionDialogs.h"

class QComboBox;
class QLineEdit;

namespace linkfold::gui {

class QtScrollRateDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtScrollRateDialog(ScrollRateDialog& model, UiPort& ui, QWidget* parent);

 protected:
  void readControls() override;
  void showRefused() override;

 private:
  ScrollRateDialog& model_;
  QLineEdit* rate_;
};

class QtReplaceCharDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtReplaceCharDialog(ReplaceCharDialog& model, UiPort& ui, QWidget* parent);

 protected:
  void readControls() override;
  void showRefused() override;

 private:
  ReplaceCharDialog& model_;
  QComboBox* characters_;
};

}  // namespace linkfold::gui
