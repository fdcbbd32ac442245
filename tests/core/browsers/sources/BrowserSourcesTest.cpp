// Today's browsers: where each keeps its profiles, the profile lists they write, and the choice
// of sources kept across runs.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSources.h"
#include "browsers/sources/ChromiumLocalState.h"
#include "browsers/sources/FirefoxProfilesIni.h"
#include "browsers/sources/SourceChoice.h"
#include "platform/Settings.h"
#include "support/CaseFile.h"
#include "support/TempDir.h"

namespace linkfold::test {
namespace {

namespace fs = std::filesystem;

// "id|label|ticked|readable" per source, in the order found.
std::vector<std::string> describe(const BrowserSources& sources) {
  std::vector<std::string> lines;
  for (const auto& s : sources)
    lines.push_back(s.id + "|" + s.label + (s.startsTicked ? "|ticked" : "|") +
                    (s.readable ? "" : "|unreadable"));
  return lines;
}

// The homes are in tests/data/browser-sources-cases.txt.
TEST(BrowserSources, FindsEachBrowsersProfilesWhereItKeepsThem) {
  for (const TestCase& c : readCases("browser-sources-cases.txt")) {
    TempDir home;
    for (const std::string& file : c.lines("files")) {
      const std::size_t equals = file.find('='), arrow = file.find(" -> ");
      if (arrow != std::string::npos) {
        fs::create_directories(fs::path(home.file(file.substr(0, arrow))).parent_path());
        fs::create_directory_symlink(home.file(file.substr(arrow + 4)),
                                     home.file(file.substr(0, arrow)));
      } else {
        home.write(file.substr(0, equals),
                   equals == std::string::npos ? "x" : file.substr(equals + 1));
      }
    }
    EXPECT_EQ(describe(findBrowserSources({home.path(), home.path() + "/.config"})),
              c.lines("found"))
        << c.what;
  }
}

// The forms are in tests/data/browser-home-cases.txt.
TEST(BrowserHome, LocatesEachFormAndShortensOnlyPathsInsideTheHome) {
  for (const TestCase& c : readCases("browser-home-cases.txt")) {
    std::istringstream variables(c["environment"]);
    std::map<std::string, std::string> environment;
    for (std::string v; variables >> v;)
      environment[v.substr(0, v.find('='))] = v.substr(v.find('=') + 1);
    const auto option = c["option"].empty() ? std::nullopt : std::optional(c["option"]);
    const BrowserHome home = BrowserHome::locate(option, [&](const std::string& name) {
      const auto it = environment.find(name);
      return it == environment.end() ? std::nullopt : std::optional(it->second);
    });
    EXPECT_EQ(home.home, c["home"]) << c.what;
    EXPECT_EQ(home.config, c["config"]) << c.what;
  }
  const BrowserHome home{"/home/u", "/cfg"};
  EXPECT_EQ(home.shortPath("/home/u/.mozilla/x"), "~/.mozilla/x");
  EXPECT_EQ(home.shortPath("/home/user2/x"), "/home/user2/x");
  EXPECT_EQ(home.shortPath("/cfg/chromium"), "/cfg/chromium");
}

TEST(FirefoxProfilesIni, ReadsEachForm) {
  for (const TestCase& c : readCases("firefox-profiles-ini-cases.txt")) {
    std::string text;
    for (const auto& p : parseProfilesIni(c["ini"], "/r"))
      text += (text.empty() ? "" : " ") + p.name + "=" + p.folder + (p.startsWith ? "*" : "");
    EXPECT_EQ(text, c["profiles"]) << c.what;
  }
}

TEST(ChromiumLocalState, ReadsWhatItCanAndRefusesTheRest) {
  for (const TestCase& c : readCases("chromium-local-state-cases.txt")) {
    const ChromiumLocalState state = parseLocalState(c["json"]);
    std::string text;
    for (const auto& p : state.profiles) text += p.folder + "=" + p.name + " ";
    EXPECT_EQ(text + (state.listed ? "listed " : "") + "last:" + state.lastUsed, c["profiles"])
        << c.what;
  }
}

BrowserSource source(const std::string& id, bool startsTicked) {
  BrowserSource s;
  s.id = id;
  s.startsTicked = startsTicked;
  return s;
}

std::string chosenIds(const BrowserSources& sources) {
  std::string ids;
  for (const auto& s : sources)
    if (s.chosen) ids += s.id + ";";
  return ids;
}

TEST(SourceChoice, RoundTripKeepsTheChoiceAndSourcesNotFoundNow) {
  InMemorySettings settings;
  BrowserSources first{source("a", true), source("b", false),
                       source("odd%0A\n\xFF\xC3\xA9id", false)};
  EXPECT_TRUE(applyStoredChoice(first, settings));
  EXPECT_EQ(chosenIds(first), "a;");  // first seen: as ticked
  first[0].chosen = false;
  first[2].chosen = true;
  storeChoice(first, settings);

  // "b" is gone for now; "c" is new; the defaults no longer decide for "a".
  BrowserSources second{source("a", true), source("odd%0A\n\xFF\xC3\xA9id", false),
                        source("c", true)};
  EXPECT_TRUE(applyStoredChoice(second, settings));
  EXPECT_EQ(chosenIds(second), "odd%0A\n\xFF\xC3\xA9id;c;");
  EXPECT_EQ(settings.read(setting::kBrowserSources), "0 a\n0 b\n1 odd%250A%0A%FF%C3%A9id");
  storeChoice(second, settings);

  BrowserSources third{source("b", true)};
  EXPECT_FALSE(applyStoredChoice(third, settings));
  EXPECT_EQ(chosenIds(third), "");  // its choice survived its absence
}

TEST(SourceChoice, DamagedSettingTextCountsSourcesAsNew) {
  InMemorySettings settings;
  settings.write(setting::kBrowserSources, "garbage\n2 a\n1 \n1 b");
  BrowserSources sources{source("a", true), source("b", false)};
  applyStoredChoice(sources, settings);
  EXPECT_EQ(chosenIds(sources), "a;b;");
}

}  // namespace
}  // namespace linkfold::test
