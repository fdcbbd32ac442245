#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSources.h"
#include "support/CaseFile.h"
#include "support/TempDir.h"

namespace linkfold {
namespace {

namespace fs = std::filesystem;

// A home in a temporary directory.
struct FakeHome : test::TempDir {
  BrowserSources find() const { return findBrowserSources({path(), path() + "/.config"}); }
};

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
  for (const test::TestCase& c : test::readCases("browser-sources-cases.txt")) {
    FakeHome home;
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
    EXPECT_EQ(describe(home.find()), c.lines("found")) << c.what;
  }
}

// The forms are in tests/data/browser-home-cases.txt.
TEST(BrowserHome, LocatesEachFormAndShortensOnlyPathsInsideTheHome) {
  for (const test::TestCase& c : test::readCases("browser-home-cases.txt")) {
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

}  // namespace
}  // namespace linkfold
