#pragma once
// "/uninstall": asks, and on Yes removes the settings, the desktop entry and the ".bml" file
// type, in that order, then says so; the program then ends without opening a window.

#include <functional>

namespace linkfold {

class UiPort;

struct UninstallSteps {
  std::function<void()> removeSettings;
  std::function<void()> removeDesktopEntry;
  std::function<void()> removeMimeType;
};

inline constexpr const char* kUninstallQuestion = "Are you sure you want to uninstall Linkfold?";
inline constexpr const char* kUninstallDone =
    "Linkfold data has been removed from the Registry\n\nYou may now delete the program from disk.";

// True when the data was removed and the program must end; false on No (a normal start
// follows). The removals are not checked: the closing message is shown in every case.
bool runUninstall(UiPort& ui, const UninstallSteps& steps);

}  // namespace linkfold
