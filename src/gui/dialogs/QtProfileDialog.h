#pragma once
// "Select Netscape Communicator User Profile": the usable profiles, a box that switches
// Netscape 4.x off, Help and OK. OK is the only way out: no Cancel, no close box, and Escape
// does nothing.

#include "ModelDialog.h"
#include "browsers/detection/CProfileDlg.h"

class QCheckBox;
class QComboBox;

namespace linkfold::gui {

class QtProfileDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtProfileDialog(CProfileDlg& model, UiPort& ui, QWidget* parent);

  // Escape and the window system's close request end here and change nothing.
  void reject() override {}

 protected:
  void readControls() override;
  void showRefused() override;

 private:
  CProfileDlg& model_;
  QComboBox* profiles_;
  QCheckBox* disable_;
};

}  // namespace linkfold::gui
