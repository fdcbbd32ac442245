#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSources.h"
#include "support/TempDir.h"

namespace linkfold {
namespace {

namespace fs = std::filesystem;

class FakeHome {
 public:
  void put(const std::string& relative, const std::string& bytes = "x") const {
    const fs::path path = fs::path(dir_.path()) / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  BrowserSources find() const {
    return findBrowserSources({dir_.path(), dir_.path() + "/.config"});
  }
  const std::string& path() const { return dir_.path(); }

 private:
  test::TempDir dir_;
};

// "id|label|ticked|readable" per source, in the order found.
std::vector<std::string> describe(const BrowserSources& sources) {
  std::vector<std::string> lines;
  for (const auto& s : sources)
    lines.push_back(s.id + "|" + s.label + (s.startsTicked ? "|ticked" : "|") +
                    (s.readable ? "" : "|unreadable"));
  return lines;
}

const char* const kOneProfileIni = "[Profile0]\nName=default-release\nPath=p.default-release\n";

// One row per way a data folder is placed: under the home, under the config folder, in a
// sandbox's folder; and Opera's bookmarks in the data folder itself.
TEST(BrowserSources, FindsEachKindOfDataFolder) {
  const struct {
    std::string put;
    std::string found;  // with "~/" + put
  } cases[] = {
      {".mozilla/firefox/p.default-release/places.sqlite", "firefox:|Firefox (default-release)"},
      {".config/mozilla/firefox/p.default-release/places.sqlite",
       "firefox:|Firefox (default-release)"},
      {"snap/firefox/common/.mozilla/firefox/p.default-release/places.sqlite",
       "firefox:|Firefox (default-release)"},
      {".config/google-chrome-beta/Default/Bookmarks", "chrome-beta:|Chrome Beta: Default"},
      {".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser/Default/Bookmarks",
       "brave:|Brave: Default"},
      {".config/opera/Bookmarks", "opera:|Opera"},
  };
  for (const auto& c : cases) {
    FakeHome home;
    home.put(c.put);
    if (c.put.ends_with("places.sqlite"))
      home.put(c.put.substr(0, c.put.find("p.default")) + "profiles.ini", kOneProfileIni);
    const std::size_t bar = c.found.find('|');
    EXPECT_EQ(describe(home.find()),
              std::vector<std::string>{c.found.substr(0, bar) + "~/" + c.put + c.found.substr(bar) +
                                       "|ticked"})
        << c.put;
  }
}

TEST(BrowserSources, SkipsFirefoxProfilesWithoutPlaces) {
  FakeHome home;
  home.put(".mozilla/firefox/profiles.ini",
           "[Profile0]\nName=a\nPath=a\nDefault=1\n[Profile1]\nName=b\nPath=b\n"
           "[Profile2]\nName=c\nPath=c\n");
  home.put(".mozilla/firefox/b/places.sqlite");
  home.put(".mozilla/firefox/c/places.sqlite/inside");  // a folder, not a database
  EXPECT_EQ(describe(home.find()),
            std::vector<std::string>{"firefox:~/.mozilla/firefox/b/places.sqlite|Firefox (b)|"});
}

TEST(BrowserSources, ChromiumProfilesFromLocalState) {
  FakeHome home;
  const std::string brave = ".config/BraveSoftware/Brave-Browser/";
  home.put(
      brave + "Local State",
      R"({"profile":{"info_cache":{"Default":{"name":"Personal"},"Profile 3":{"name":"Work"},)"
      R"("../../escape":{"name":"Bad"},"Profile 9":{"name":"Gone"}},"last_used":"Profile 3"}})");
  home.put(brave + "Default/Bookmarks");
  home.put(brave + "Profile 3/Bookmarks");
  home.put(brave + "Profile 3/AccountBookmarks");
  home.put(brave + "Profile 4/Bookmarks");  // not listed in Local State
  home.put("escape/Bookmarks");
  const std::string id = "brave:~/" + brave;
  EXPECT_EQ(
      describe(home.find()),
      (std::vector<std::string>{id + "Default/Bookmarks|Brave: Personal|",
                                id + "Profile 3/Bookmarks|Brave: Work|ticked",
                                id + "Profile 3/AccountBookmarks|Brave: Work (account)|ticked"}));
}

TEST(BrowserSources, ChromiumFolderScanWithoutUsableLocalState) {
  for (const char* localState : {"", "{not json", R"({"profile":{"info_cache":[]}})",
                                 R"({"profile":{"last_used":"Profile 2"}})"}) {
    FakeHome home;
    if (*localState) home.put(".config/chromium/Local State", localState);
    home.put(".config/chromium/Default/Bookmarks");
    home.put(".config/chromium/Profile 2/Bookmarks");
    home.put(".config/chromium/Profile 10/AccountBookmarks");
    home.put(".config/chromium/System Profile/Bookmarks");
    const bool lastUsed = std::string(localState).find("last_used") != std::string::npos;
    EXPECT_EQ(describe(home.find()),
              (std::vector<std::string>{
                  std::string("chromium:~/.config/chromium/Default/Bookmarks|Chromium: Default|") +
                      (lastUsed ? "" : "ticked"),
                  "chromium:~/.config/chromium/Profile 10/AccountBookmarks|"
                  "Chromium: Profile 10 (account)|",
                  std::string("chromium:~/.config/chromium/Profile 2/Bookmarks|"
                              "Chromium: Profile 2|") +
                      (lastUsed ? "ticked" : "")}))
        << localState;
  }
}

TEST(BrowserSources, EncryptedOnlyProfilesAreListedUnreadable) {
  FakeHome home;
  home.put(".config/google-chrome/Default/EncryptedBookmarks2");
  home.put(".config/google-chrome/Profile 1/EncryptedAccountBookmarks2");
  home.put(".config/google-chrome/Profile 1/Bookmarks");  // readable beside the encrypted one
  EXPECT_EQ(describe(home.find()),
            (std::vector<std::string>{
                "chrome:~/.config/google-chrome/Default/EncryptedBookmarks2|"
                "Chrome: Default (encrypted)|ticked|unreadable",
                "chrome:~/.config/google-chrome/Profile 1/Bookmarks|Chrome: Profile 1|"}));
}

TEST(BrowserSources, AFolderReachedTwiceIsListedOnce) {
  FakeHome home;
  home.put(".config/mozilla/firefox/profiles.ini", kOneProfileIni);
  home.put(".config/mozilla/firefox/p.default-release/places.sqlite");
  fs::create_directories(home.path() + "/.mozilla");
  fs::create_directory_symlink(home.path() + "/.config/mozilla/firefox",
                               home.path() + "/.mozilla/firefox");
  EXPECT_EQ(home.find().size(), 1U);
}

TEST(BrowserHome, LocatesEachFormAndShortensOnlyPathsInsideTheHome) {
  const struct {
    const char* what;
    std::optional<std::string> option;
    std::map<std::string, std::string> environment;
    const char* home;
    const char* config;
  } cases[] = {
      // clang-format off
      {"$HOME", {}, {{"HOME", "/home/u/"}}, "/home/u", "/home/u/.config"},
      {"XDG_CONFIG_HOME", {}, {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}}, "/home/u", "/cfg"},
      {"a relative XDG_CONFIG_HOME is ignored", {}, {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "cfg"}},
       "/home/u", "/home/u/.config"},
      {"LINKFOLD_HOME replaces both", {},
       {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}, {"LINKFOLD_HOME", "/demo"}},
       "/demo", "/demo/.config"},
      {"--home wins over LINKFOLD_HOME", "/opt", {{"LINKFOLD_HOME", "/demo"}}, "/opt", "/opt/.config"},
      {"no home: nothing to search", {}, {}, "", ""},
      // clang-format on
  };
  for (const auto& c : cases) {
    const BrowserHome home =
        BrowserHome::locate(c.option, [&c](const std::string& name) -> std::optional<std::string> {
          const auto it = c.environment.find(name);
          return it == c.environment.end() ? std::nullopt : std::optional(it->second);
        });
    EXPECT_EQ(home.home, c.home) << c.what;
    EXPECT_EQ(home.config, c.config) << c.what;
  }
  const BrowserHome home{"/home/u", "/cfg"};
  EXPECT_EQ(home.shortPath("/home/u/.mozilla/x"), "~/.mozilla/x");
  EXPECT_EQ(home.shortPath("/home/user2/x"), "/home/user2/x");
  EXPECT_EQ(home.shortPath("/cfg/chromium"), "/cfg/chromium");
}

TEST(BrowserSources, NothingWithoutAHome) {
  EXPECT_TRUE(findBrowserSources({}).empty());
}

}  // namespace
}  // namespace linkfold
