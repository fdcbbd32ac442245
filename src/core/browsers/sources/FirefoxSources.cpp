#include <filesystem>

#include "browsers/sources/FirefoxProfilesIni.h"
#include "browsers/sources/SourceFinders.h"

namespace linkfold {

namespace {

namespace fs = std::filesystem;

// The profile roots, each relative to the home or to the config folder.
struct FirefoxRoot {
  bool underConfig;
  const char* folder;
};

constexpr FirefoxRoot kFirefoxRoots[] = {
    {false, ".mozilla/firefox"},
    {true, "mozilla/firefox"},  // newer Firefox
    {false, "snap/firefox/common/.mozilla/firefox"},
    {false, ".var/app/org.mozilla.firefox/.mozilla/firefox"},
    {false, ".var/app/org.mozilla.firefox/config/mozilla/firefox"},
};

}  // namespace

void findFirefoxSources(const BrowserHome& home, BrowserSources& sources) {
  for (const FirefoxRoot& root : kFirefoxRoots) {
    const std::string folder = (root.underConfig ? home.config : home.home) + "/" + root.folder;
    const auto ini = readProfileList(folder + "/profiles.ini");
    if (!ini) continue;
    for (const FirefoxProfile& profile : parseProfilesIni(*ini, folder)) {
      const std::string places = profile.folder + "/places.sqlite";
      if (!isRegularFile(places)) continue;
      BrowserSource source;
      source.id = "firefox:" + home.shortPath(places);
      source.label = "Firefox (" + profile.name + ")";
      source.path = places;
      source.format = SourceFormat::FirefoxPlaces;
      source.startsTicked = profile.startsWith;
      sources.push_back(std::move(source));
    }
  }
}

}  // namespace linkfold
