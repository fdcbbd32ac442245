#pragma once
// File dialogs that open in the folder last used for their kind of file (libraries, HTML files,
// text exports) and remember the folder of the file chosen, in the settings.

#include <optional>
#include <string>

#include "platform/UiPort.h"

namespace linkfold {

class SettingsStore;

std::optional<std::string> chooseFileToOpen(UiPort& ui, SettingsStore& settings,
                                            FileDialogRequest request);
std::optional<std::string> chooseFileToSave(UiPort& ui, SettingsStore& settings,
                                            FileDialogRequest request);

}  // namespace linkfold
