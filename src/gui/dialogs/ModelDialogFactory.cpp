// Which window shows which of the core's dialog models.

#include "ModelDialog.h"
#include "QtBrowserSourcesDialog.h"
#include "QtFindDialog.h"
#include "QtOptionDialogs.h"
#include "QtProfileDialog.h"
#include "QtPropertiesDialog.h"
#include "QtRenameDialog.h"
#include "QtWeedDialog.h"

namespace linkfold::gui {

namespace {

template <class Model, class Window>
bool makeIf(DialogModel& model, UiPort& ui, QWidget* parent, std::unique_ptr<ModelDialog>& out) {
  auto* typed = dynamic_cast<Model*>(&model);
  if (typed != nullptr) out = std::make_unique<Window>(*typed, ui, parent);
  return typed != nullptr;
}

}  // namespace

std::unique_ptr<ModelDialog> makeModelDialog(DialogModel& model, UiPort& ui, QWidget* parent) {
  std::unique_ptr<ModelDialog> dialog;
  makeIf<CRenameDlg, QtRenameDialog>(model, ui, parent, dialog) ||
      makeIf<CPropertiesDlg, QtPropertiesDialog>(model, ui, parent, dialog) ||
      makeIf<FindDialog, QtFindDialog>(model, ui, parent, dialog) ||
      makeIf<WeedDialog, QtWeedDialog>(model, ui, parent, dialog) ||
      makeIf<ScrollRateDialog, QtScrollRateDialog>(model, ui, parent, dialog) ||
      makeIf<ReplaceCharDialog, QtReplaceCharDialog>(model, ui, parent, dialog) ||
      makeIf<CProfileDlg, QtProfileDialog>(model, ui, parent, dialog) ||
      makeIf<BrowserSourcesDialog, QtBrowserSourcesDialog>(model, ui, parent, dialog);
  return dialog;
}

}  // namespace linkfold::gui
