#pragma once
// "Weed Duplicates": the resizable dialog around the check list. It opens where it was last
// closed (through the core's placement rule) and saves its place at every close.

#include "ModelDialog.h"
#include "tools/WeedDialog.h"

namespace linkfold::gui {

class CCheckListCtrl;
class WeedListModel;

class QtWeedDialog : public ModelDialog {
  Q_OBJECT

 public:
  QtWeedDialog(WeedDialog& model, UiPort& ui, QWidget* parent);
  ~QtWeedDialog() override;

  CCheckListCtrl& list() const { return *list_; }
  void reject() override;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void readControls() override {}  // the list writes into the model as it changes
  void showRefused() override;
  void closingWithOk() override { savePlacement(); }

 private:
  void restorePlacement();
  void savePlacement();

  WeedDialog& model_;
  WeedListModel* rows_;
  CCheckListCtrl* list_;
  // The saved place the dialog opened on, and whether it has stood normal (not maximised)
  // since: until then that place is its restored rectangle.
  QRect openedOn_;
  bool stoodNormal_ = false;
};

}  // namespace linkfold::gui
