#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "browsers/favorites/InternetShortcut.h"
#include "support/CaseFile.h"
#include "support/CorpusFolder.h"
#include "support/TempDir.h"

namespace linkfold::test {
namespace {

// The forms and what each gives, in tests/data/internet-shortcut-cases.txt.
TEST(InternetShortcut, ReadsTheFormsWindowsWritesAndRefusesWhatIsNoShortcutFile) {
  for (const TestCase& c : readCases("internet-shortcut-cases.txt")) {
    TempDir temp;
    const std::string refused = c["refused"];  // no file, a folder, a pipe, or bytes too big
    if (refused == "a pipe") {
      ASSERT_EQ(::mkfifo(temp.file("s.url").c_str(), 0600), 0);
    }
    if (refused == "a folder") std::filesystem::create_directory(temp.file("s.url"));
    if (refused.empty() || refused == "too big") temp.write("s.url", c["bytes"]);
    InternetShortcut shortcut;
    EXPECT_EQ(shortcut.Load(temp.file("s.url")), refused.empty()) << c.what;  // a pipe: no wait
    EXPECT_EQ(shortcut.GetURL(), c.fields.count("url") ? std::optional(c["url"]) : std::nullopt)
        << c.what;
  }
}

TEST(InternetShortcut, ReadsEveryRealShortcutOfTheCorpus) {
  const std::filesystem::path dir = corpusFolder("url");
  if (dir.empty()) GTEST_SKIP();
  const std::vector<TestCase> known = readCases("shortcut-corpus-urls.txt");
  std::size_t checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    InternetShortcut shortcut;
    ASSERT_TRUE(shortcut.Load(entry.path().string())) << entry.path();
    const auto url = shortcut.GetURL();
    ASSERT_TRUE(url) << entry.path();
    for (const TestCase& c : known) {
      if (c.what == entry.path().filename().string()) {
        EXPECT_EQ(*url, c["url"]);
        ++checked;
      }
    }
    EXPECT_EQ(url->find_first_of("\r\n"), std::string::npos);
  }
  EXPECT_EQ(checked, known.size());
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
