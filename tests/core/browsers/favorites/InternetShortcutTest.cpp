#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "browsers/favorites/InternetShortcut.h"
#include "support/CaseFile.h"
#include "support/CorpusFolder.h"
#include "support/TempDir.h"

namespace linkfold::test {
namespace {

// The forms and what each gives, in tests/data/internet-shortcut-cases.txt.
TEST(InternetShortcut, ReadsTheFormsWindowsWrites) {
  TempDir temp;
  for (const TestCase& c : readCases("internet-shortcut-cases.txt")) {
    temp.write("s.url", c["bytes"]);
    InternetShortcut shortcut;
    EXPECT_TRUE(shortcut.Load(temp.file("s.url"))) << c.what;
    EXPECT_EQ(shortcut.GetURL(), c.fields.count("url") ? std::optional(c["url"]) : std::nullopt)
        << c.what;
  }
}

TEST(InternetShortcut, ReadsEveryRealShortcutOfTheCorpus) {
  const std::filesystem::path dir = corpusFolder("url");
  if (dir.empty()) GTEST_SKIP();
  const std::map<std::string, std::string> known = {
      {"explorer-prop3-first-minimal-crlf.url", "https://github.com/carlbennett/BNRBot"},
      {"ie-bing-envvar-iconfile-roamed-crlf.url",
       "http://go.microsoft.com/fwlink/p/?LinkId=255142"},
      {"ie-default-favorite-prop3-last-crlf.url", "http://go.microsoft.com/fwlink/?LinkId=50893"},
      {"ie-modified-hotkey-favicon-lf.url", "http://happysolver.sourceforge.net/"},
      {"ie-prop3-first-favicon-hotkey-crlf.url", "http://dev.uoquint.ru/projects"},
      {"minimal-no-final-newline.url", "https://discord.gg/zykeresources"},
  };
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    InternetShortcut shortcut;
    ASSERT_TRUE(shortcut.Load(entry.path().string())) << entry.path();
    const auto url = shortcut.GetURL();
    ASSERT_TRUE(url) << entry.path();
    const auto expected = known.find(entry.path().filename().string());
    if (expected != known.end()) {
      EXPECT_EQ(*url, expected->second);
    }
    EXPECT_EQ(url->find_first_of("\r\n"), std::string::npos);
  }
}

TEST(InternetShortcut, RefusesWhatIsNoShortcutFile) {
  TempDir temp;
  temp.write("big.url", "[InternetShortcut]\nURL=http://x/\n" + std::string(1 << 20, ' '));
  ASSERT_EQ(::mkfifo(temp.file("pipe.url").c_str(), 0600), 0);
  for (const char* name : {"missing.url", "big.url", "pipe.url", ""}) {
    InternetShortcut shortcut;
    EXPECT_FALSE(shortcut.Load(temp.file(name))) << name;  // the pipe must not block
    EXPECT_FALSE(shortcut.GetURL());
  }
}

// The URLs are in tests/data/internet-shortcut-set-cases.txt.
TEST(InternetShortcut, SetUrlGuessesTheProtocolAndRefusesWhatCouldAddLines) {
  TempDir temp;
  for (const TestCase& c : readCases("internet-shortcut-set-cases.txt")) {
    InternetShortcut shortcut;
    const std::string stored = c["stored"];
    EXPECT_EQ(shortcut.SetURL(c["set"]), !stored.empty()) << c.what;
    if (stored.empty()) continue;
    ASSERT_TRUE(shortcut.Save(temp.file("out.url")));
    shortcut.SaveCompleted(temp.file("out.url"));
    EXPECT_EQ(temp.read("out.url"), "[InternetShortcut]\r\nURL=" + stored + "\r\n");
    InternetShortcut again;
    ASSERT_TRUE(again.Load(temp.file("out.url")));
    EXPECT_EQ(again.GetURL(), stored);
  }
}

}  // namespace
}  // namespace linkfold::test
