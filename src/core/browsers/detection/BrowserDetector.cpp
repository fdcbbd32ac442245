#include "browsers/detection/BrowserDetector.h"

#include <cstdlib>
#include <filesystem>

#include "browsers/detection/ProfileChoice.h"
#include "browsers/detection/RegistryReads.h"
#include "platform/Text.h"

namespace linkfold {
namespace {

constexpr const char* kSystemDriveVariable = "LINKFOLD_SYSTEM_DRIVE";
constexpr const char* kSharedSuffix = " [shared]";

std::optional<std::string> processVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

// The Favorites folder: "User Shell Folders", or "Shell Folders" when the first has no
// readable value; it must name a directory, and the shortcut object must be available.
void detectFavorites(const Registry& registry, const DetectionEnvironment& environment,
                     BrowserDetection& results) {
  auto path = readPathValue(registry, RegistryHive::CurrentUser, kUserShellFoldersKey, "Favorites",
                            environment.variable);
  if (!path)
    path = readPathValue(registry, RegistryHive::CurrentUser, kShellFoldersKey, "Favorites",
                         environment.variable);
  if (!path) return;
  std::error_code error;
  if (path->empty() || !std::filesystem::is_directory(*path, error)) return;
  if (path->back() != '/') *path += '/';
  if (environment.shortcutObjectAvailable && !environment.shortcutObjectAvailable()) return;
  results.msiePresent = true;
  results.favoritesPath = std::move(*path);
}

}  // namespace

DetectionEnvironment DetectionEnvironment::fromProcess() {
  return {processVariable, processVariable(kSystemDriveVariable).value_or(std::string()),
          [] { return true; }};
}

BrowserDetection Detect_Browsers(const Registry& registry, UiPort& ui,
                                 const DetectionEnvironment& environment) {
  BrowserDetection results;
  detectFavorites(registry, environment, results);

  if (auto file = readPathValue(registry, RegistryHive::CurrentUser, kNetscape3BookmarkListKey,
                                "File Location", environment.variable)) {
    results.netscape3Present = true;
    results.netscape3File = std::move(*file);
  }

  if (registry.hasKey(RegistryHive::LocalMachine, kNetscape4UsersKey))
    chooseNetscape4Profile(registry, ui, environment, results);

  if (results.netscape4Present && results.netscape3Present &&
      equalsNoCase(results.netscape4File, results.netscape3File)) {
    results.netscape3Present = false;
    results.netscape4ProfileName += kSharedSuffix;
  }
  return results;
}

}  // namespace linkfold
