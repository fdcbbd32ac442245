#include "app/Uninstall.h"

#include "platform/UiPort.h"

namespace linkfold {

bool runUninstall(UiPort& ui, const UninstallSteps& steps) {
  if (!ui.askYesNo(kUninstallQuestion)) return false;
  for (const auto& step : {steps.removeSettings, steps.removeDesktopEntry, steps.removeMimeType})
    if (step) step();
  ui.inform(kUninstallDone);
  return true;
}

}  // namespace linkfold
