#pragma once
// "Browsers": a list of today's browsers' sources, each with a check box, its label and path.

#include "ModelDialog.h"
#include "browsers/sources/BrowserSourcesDialog.h"

class QTreeWidget;

namespace linkfold::gui {

class QtBrowserSourcesDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtBrowserSourcesDialog(BrowserSourcesDialog& model, UiPort& ui, QWidget* parent);

 protected:
  void readControls() override;
  void showRefused() override;

 private:
  BrowserSourcesDialog& model_;
  QTreeWidget* sources_;
};

}  // namespace linkfold::gui
