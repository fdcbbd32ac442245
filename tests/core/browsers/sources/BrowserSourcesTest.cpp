#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

TEST(BrowserSources, FindsFirefoxInEveryProfileRoot) {
  const char* const roots[] = {".mozilla/firefox", ".config/mozilla/firefox",
                               "snap/firefox/common/.mozilla/firefox",
                               ".var/app/org.mozilla.firefox/.mozilla/firefox",
                               ".var/app/org.mozilla.firefox/config/mozilla/firefox"};
  for (const char* root : roots) {
    FakeHome home;
    home.put(std::string(root) + "/profiles.ini", kOneProfileIni);
    home.put(std::string(root) + "/p.default-release/places.sqlite");
    EXPECT_EQ(describe(home.find()), std::vector<std::string>{"firefox:~/" + std::string(root) +
                                                              "/p.default-release/places.sqlite|"
                                                              "Firefox (default-release)|ticked"})
        << root;
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

TEST(BrowserSources, FindsEachChromiumDataFolder) {
  struct FolderCase {
    const char* folder;
    const char* label;
  };
  const FolderCase cases[] = {
      {".config/google-chrome", "Chrome"},
      {".config/google-chrome-beta", "Chrome Beta"},
      {".config/google-chrome-unstable", "Chrome Unstable"},
      {".var/app/com.google.Chrome/config/google-chrome", "Chrome"},
      {".config/chromium", "Chromium"},
      {"snap/chromium/common/chromium", "Chromium"},
      {".var/app/org.chromium.Chromium/config/chromium", "Chromium"},
      {".config/BraveSoftware/Brave-Browser", "Brave"},
      {".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser", "Brave"},
      {".config/vivaldi", "Vivaldi"},
      {".config/microsoft-edge", "Edge"},
      {".var/app/com.microsoft.Edge/config/microsoft-edge", "Edge"},
  };
  for (const FolderCase& c : cases) {
    FakeHome home;
    home.put(std::string(c.folder) + "/Default/Bookmarks");
    const BrowserSources found = home.find();
    ASSERT_EQ(found.size(), 1U) << c.folder;
    EXPECT_EQ(found[0].label, std::string(c.label) + ": Default") << c.folder;
    EXPECT_EQ(found[0].path, home.path() + "/" + c.folder + "/Default/Bookmarks");
    EXPECT_TRUE(found[0].startsTicked) << c.folder;
  }
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

TEST(BrowserSources, OperaKeepsItsBookmarksInTheDataFolder) {
  FakeHome home;
  home.put(".config/opera/Bookmarks");
  EXPECT_EQ(describe(home.find()),
            std::vector<std::string>{"opera:~/.config/opera/Bookmarks|Opera|ticked"});
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

TEST(BrowserSources, NothingWithoutAHome) {
  EXPECT_TRUE(findBrowserSources({}).empty());
}

}  // namespace
}  // namespace linkfold
