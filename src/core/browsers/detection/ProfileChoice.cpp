#include "browsers/detection/ProfileChoice.h"

#include <algorithm>
#include <filesystem>

#include "browsers/detection/CProfileDlg.h"
#include "browsers/detection/RegistryReads.h"
#include "browsers/detection/UsableFile.h"
#include "platform/Text.h"

namespace linkfold {

std::optional<ProfileList> listRegistryProfiles(const Registry& registry,
                                                const VariableLookup& variable) {
  const auto names = enumerateSubKeys(registry, RegistryHive::LocalMachine, kNetscape4UsersKey);
  if (!names) return std::nullopt;
  ProfileList list;
  for (const std::string& name : *names) {
    const auto directory = readProfileDirectory(registry, name, variable);
    if (!directory) continue;
    ++list.registeredCount;
    if (profileFileIsUsable(profileBookmarkFile(*directory))) list.usable.push_back(name);
  }
  return list;
}

ProfileList listFallbackProfiles(const std::string& systemDrive) {
  ProfileList list;
  if (systemDrive.empty()) return list;
  std::string base = systemDrive;
  if (base.back() != '/') base += '/';
  base += "Program Files/Netscape/Users/";
  std::error_code error;
  for (std::filesystem::directory_iterator entry(base, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code typeError;
    if (!entry->is_directory(typeError)) continue;
    const std::string name = entry->path().filename().string();
    if (!profileFileIsUsable(profileBookmarkFile(base + name))) continue;
    list.usable.push_back(name);
    ++list.registeredCount;
  }
  if (!list.usable.empty()) list.fallbackBase = base;
  return list;
}

void chooseNetscape4Profile(const Registry& registry, UiPort& ui,
                            const DetectionEnvironment& environment, BrowserDetection& results) {
  results.netscape4Present = false;
  CProfileDlg dialog;
  dialog.results = &results;
  ProfileList list;
  if (auto fromRegistry = listRegistryProfiles(registry, environment.variable)) {
    list = std::move(*fromRegistry);
    if (list.registeredCount == 0) list = listFallbackProfiles(environment.systemDrive);
  }
  if (list.fallbackBase) {
    dialog.profileDirectory = [base = *list.fallbackBase](const std::string& name) {
      return std::optional<std::string>(base + name);
    };
  } else {
    dialog.profileDirectory = [&registry,
                               variable = environment.variable](const std::string& name) {
      return readProfileDirectory(registry, name, variable);
    };
  }
  dialog.profiles = std::move(list.usable);
  std::stable_sort(
      dialog.profiles.begin(), dialog.profiles.end(),
      [](const std::string& a, const std::string& b) { return compareNoCase(a, b) < 0; });
  if (dialog.profiles.empty()) {
    ui.inform(kNoUsableProfile);
    return;
  }
  dialog.selected = 0;
  if (dialog.profiles.size() == 1 && list.registeredCount == 1) {
    dialog.acceptOk(ui);
    return;
  }
  if (dialog.profiles.size() == 1) ui.inform(kOnlyOneUsableProfile);
  // OK is the dialog's only way out; a port that cannot show it leaves Netscape 4.x off.
  if (!ui.runDialog(dialog)) {
    results.netscape4Present = false;
    results.netscape4ProfileName.clear();
    results.netscape4File.clear();
  }
}

}  // namespace linkfold
