#include <algorithm>
#include <filesystem>

#include "browsers/sources/ChromiumLocalState.h"
#include "browsers/sources/SourceFinders.h"

namespace linkfold {

namespace {

namespace fs = std::filesystem;

// A data folder: under the config folder, or (`underHome`) relative to the home.
struct ChromiumFolder {
  const char* browser;  // the label's first part
  const char* key;      // the id's first part
  bool underHome;
  const char* folder;
};

constexpr ChromiumFolder kChromiumFolders[] = {
    {"Chrome", "chrome", false, "google-chrome"},
    {"Chrome Beta", "chrome-beta", false, "google-chrome-beta"},
    {"Chrome Unstable", "chrome-unstable", false, "google-chrome-unstable"},
    {"Chrome", "chrome", true, ".var/app/com.google.Chrome/config/google-chrome"},
    {"Chromium", "chromium", false, "chromium"},
    {"Chromium", "chromium", true, "snap/chromium/common/chromium"},
    {"Chromium", "chromium", true, ".var/app/org.chromium.Chromium/config/chromium"},
    {"Brave", "brave", false, "BraveSoftware/Brave-Browser"},
    {"Brave", "brave", true, ".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser"},
    {"Vivaldi", "vivaldi", false, "vivaldi"},
    {"Edge", "edge", false, "microsoft-edge"},
    {"Edge", "edge", true, ".var/app/com.microsoft.Edge/config/microsoft-edge"},
    {"Opera", "opera", false, "opera"},
};

// A profile's bookmark files: each readable one a source of its own.
struct BookmarkFile {
  const char* file;
  const char* labelSuffix;
};
constexpr BookmarkFile kBookmarkFiles[] = {{"Bookmarks", ""}, {"AccountBookmarks", " (account)"}};
constexpr const char* kEncryptedFiles[] = {"EncryptedBookmarks2", "EncryptedAccountBookmarks2"};

// Without a usable Local State: Default, every "Profile N" folder, and the data folder itself
// when it holds the bookmarks (as Opera keeps them).
std::vector<ChromiumProfileEntry> scanProfileFolders(const std::string& dataFolder) {
  std::vector<ChromiumProfileEntry> profiles{{"Default", "Default"}};
  std::vector<std::string> numbered;
  std::error_code error;
  for (fs::directory_iterator it(dataFolder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind("Profile ", 0) == 0 && it->is_directory(error)) numbered.push_back(name);
  }
  std::sort(numbered.begin(), numbered.end());
  for (const auto& name : numbered) profiles.push_back({name, name});
  profiles.push_back({".", ""});
  return profiles;
}

void addProfile(const BrowserHome& home, const ChromiumFolder& browser,
                const std::string& dataFolder, const ChromiumProfileEntry& profile, bool startsWith,
                BrowserSources& sources) {
  const std::string folder = profile.folder == "." ? dataFolder : dataFolder + "/" + profile.folder;
  const std::string label =
      profile.name.empty() ? browser.browser : std::string(browser.browser) + ": " + profile.name;
  BrowserSource source;
  source.format = SourceFormat::ChromiumBookmarks;
  source.startsTicked = startsWith;
  bool anyReadable = false;
  for (const BookmarkFile& file : kBookmarkFiles) {
    source.path = folder + "/" + file.file;
    if (!isRegularFile(source.path)) continue;
    source.id = std::string(browser.key) + ":" + home.shortPath(source.path);
    source.label = label + file.labelSuffix;
    sources.push_back(source);
    anyReadable = true;
  }
  if (anyReadable) return;
  for (const char* encrypted : kEncryptedFiles) {
    source.path = folder + "/" + encrypted;
    if (!isRegularFile(source.path)) continue;
    source.id = std::string(browser.key) + ":" + home.shortPath(source.path);
    source.label = label + " (encrypted)";
    source.readable = false;
    sources.push_back(source);
    return;
  }
}

}  // namespace

void findChromiumSources(const BrowserHome& home, BrowserSources& sources) {
  for (const ChromiumFolder& browser : kChromiumFolders) {
    const std::string dataFolder =
        (browser.underHome ? home.home : home.config) + "/" + browser.folder;
    std::error_code error;
    if (!fs::is_directory(dataFolder, error)) continue;
    ChromiumLocalState state;
    if (const auto json = readProfileList(dataFolder + "/Local State"))
      state = parseLocalState(*json);
    if (!state.listed) state.profiles = scanProfileFolders(dataFolder);
    // A last-used profile that is gone leaves the browser starting with Default.
    const bool lastUsedListed =
        std::any_of(state.profiles.begin(), state.profiles.end(),
                    [&state](const auto& p) { return p.folder == state.lastUsed; });
    const std::string startsWith = lastUsedListed ? state.lastUsed : "Default";
    for (const ChromiumProfileEntry& profile : state.profiles)
      addProfile(home, browser, dataFolder, profile,
                 profile.folder == startsWith || profile.folder == ".", sources);
  }
}

}  // namespace linkfold
