#include <gtest/gtest.h>

#include <map>

#include "browsers/sources/BrowserHome.h"

namespace linkfold {
namespace {

struct HomeCase {
  const char* what;
  std::optional<std::string> option;
  std::map<std::string, std::string> environment;
  const char* home;
  const char* config;
};

const HomeCase kHomeCases[] = {
    {"$HOME with the default config folder",
     {},
     {{"HOME", "/home/u/"}},
     "/home/u",
     "/home/u/.config"},
    {"XDG_CONFIG_HOME", {}, {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}}, "/home/u", "/cfg"},
    {"a relative XDG_CONFIG_HOME is ignored",
     {},
     {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "cfg"}},
     "/home/u",
     "/home/u/.config"},
    {"LINKFOLD_HOME replaces both",
     {},
     {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}, {"LINKFOLD_HOME", "/demo"}},
     "/demo",
     "/demo/.config"},
    {"--home wins over LINKFOLD_HOME",
     "/opt",
     {{"LINKFOLD_HOME", "/demo"}},
     "/opt",
     "/opt/.config"},
    {"no home: nothing to search", {}, {}, "", ""},
};

TEST(BrowserHome, LocatesEachForm) {
  for (const HomeCase& c : kHomeCases) {
    const BrowserHome home =
        BrowserHome::locate(c.option, [&c](const std::string& name) -> std::optional<std::string> {
          const auto it = c.environment.find(name);
          if (it == c.environment.end()) return std::nullopt;
          return it->second;
        });
    EXPECT_EQ(home.home, c.home) << c.what;
    EXPECT_EQ(home.config, c.config) << c.what;
  }
}

TEST(BrowserHome, ShortensOnlyPathsInsideTheHome) {
  const BrowserHome home{"/home/u", "/cfg"};
  EXPECT_EQ(home.shortPath("/home/u/.mozilla/x"), "~/.mozilla/x");
  EXPECT_EQ(home.shortPath("/home/user2/x"), "/home/user2/x");
  EXPECT_EQ(home.shortPath("/cfg/chromium"), "/cfg/chromium");
}

}  // namespace
}  // namespace linkfold
