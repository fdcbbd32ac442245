#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/AllocationLimit.h"
#include "core/library/LibraryFixture.h"
#include "library/NameRules.h"
#include "platform/Text.h"

namespace linkfold::test {
namespace {

class DuplicateNames : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    doc.setClock([] { return std::time_t{1796574767}; });  // 12/06/26 16:32:47 UTC
    ASSERT_TRUE(doc.createLog());
    ASSERT_TRUE(doc.addFolder("\\", true));
  }

  // The names of the bookmarks, keyed by URL, which identifies each record in these tests.
  std::map<std::string, std::string> namesByUrl() const {
    std::map<std::string, std::string> out;
    for (const auto& b : doc.bookmarks()) out[b.url] = b.name;
    return out;
  }
  std::string log() {
    doc.closeLog();
    return temp.read("IMPLOG.TXT");
  }
};

TEST_F(DuplicateNames, ARunKeepsItsFirstNameAndNumbersTheOthersInTheirOwnCase) {
  bookmark(0, "Home", "u1");
  bookmark(0, "home", "u2");
  bookmark(0, "HOME", "u3");
  bookmark(0, "Other", "u4");
  doc.sortAndResolve();
  const auto names = namesByUrl();
  std::vector<std::string> lowered;
  for (const auto& [url, name] : names) lowered.push_back(asciiLowered(name));
  std::sort(lowered.begin(), lowered.end());
  EXPECT_EQ(lowered, (std::vector<std::string>{"home", "home (1)", "home (2)", "other"}));
  // Each record keeps its own spelling in front of its number.
  EXPECT_TRUE(startsWith(names.at("u1"), "Home"));
  EXPECT_TRUE(startsWith(names.at("u2"), "home"));
  EXPECT_TRUE(startsWith(names.at("u3"), "HOME"));
  EXPECT_EQ(names.at("u4"), "Other");
  EXPECT_TRUE(doc.adjustmentFlag());
  EXPECT_TRUE(doc.contentChanged());
}

TEST_F(DuplicateNames, NumbersAlreadyInUseAreSkipped) {
  bookmark(0, "Home (1)", "u0");
  bookmark(0, "Home", "u1");
  bookmark(0, "Home", "u2");
  bookmark(0, "Home", "u3");
  EXPECT_TRUE(doc.resolveDuplicateNames());
  const auto names = namesByUrl();
  EXPECT_EQ(names.at("u0"), "Home (1)");
  EXPECT_EQ(names.at("u1"), "Home");
  EXPECT_EQ(names.at("u2"), "Home (2)");
  EXPECT_EQ(names.at("u3"), "Home (3)");
}

TEST_F(DuplicateNames, CandidatesAreCheckedAgainstNamesGivenEarlierInTheFolder) {
  // The 46-character name's run comes first and takes S + " (1)"; the 48-character name's
  // candidate is cut to the same 50 characters and must move on to " (2)".
  const std::string s(46, 's');
  bookmark(0, s, "short1");
  bookmark(0, s, "short2");
  bookmark(0, s + "xy", "long1");
  bookmark(0, s + "XY", "long2");
  doc.sortAndResolve();
  const auto names = namesByUrl();
  EXPECT_EQ(names.at("short2"), s + " (1)");
  EXPECT_EQ(names.at("long2"), s + " (2)");
  EXPECT_EQ(names.at("long1"), s + "xy");
}

TEST_F(DuplicateNames, CandidatesAreCutToFiftyCharacters) {
  const std::string name48(48, 'n');
  const std::string name45(45, 'f');
  for (const char* url : {"a", "b"}) {
    bookmark(0, name48, url);
    bookmark(0, name45, url);
  }
  doc.sortAndResolve();
  std::vector<std::string> renamed;
  for (const auto& b : doc.bookmarks())
    if (b.name.find(" (") != std::string::npos) renamed.push_back(b.name);
  EXPECT_EQ(renamed, (std::vector<std::string>{name45 + " (1)", name48.substr(0, 46) + " (1)"}));
  EXPECT_EQ(renamed[0].size(), 49u);
  EXPECT_EQ(renamed[1].size(), 50u);
}

TEST_F(DuplicateNames, TheCutCountsUtf8CharactersAndNeverSplitsOne) {
  const auto repeat = [](const std::string& piece, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += piece;
    return out;
  };
  const std::string e = "\xC3\xA9";         // two bytes, one character
  const std::string euro = "\xE2\x82\xAC";  // three bytes
  bookmark(0, repeat(e, 45), "a1");         // 90 bytes but only 45 characters: nothing is cut
  bookmark(0, repeat(e, 45), "a2");
  bookmark(0, "x" + repeat(euro, 47), "b1");  // 48 characters: cut to 46
  bookmark(0, "x" + repeat(euro, 47), "b2");
  bookmark(0, repeat("\xFF", 48), "c1");  // a stray byte counts as one character
  bookmark(0, repeat("\xFF", 48), "c2");
  doc.sortAndResolve();
  const auto names = namesByUrl();
  EXPECT_EQ(names.at("a2"), repeat(e, 45) + " (1)");
  EXPECT_EQ(names.at("b2"), "x" + repeat(euro, 45) + " (1)");
  EXPECT_EQ(names.at("c2"), repeat("\xFF", 46) + " (1)");
  EXPECT_EQ(utf8CharCount(names.at("b2")), 50u);
}

TEST_F(DuplicateNames, OnlyBookmarksInTheSameFolderCount) {
  const auto news = folder("News\\");
  folder("News\\Home\\");  // a sub-folder may share a bookmark's name
  const auto other = folder("Other\\");
  bookmark(news, "Home", "u1");
  bookmark(other, "Home", "u2");
  bookmark(0, "home", "u3");
  doc.sortAndResolve();
  for (const auto& [url, name] : namesByUrl()) EXPECT_EQ(asciiLowered(name), "home") << url;
  EXPECT_FALSE(doc.adjustmentFlag());
  EXPECT_FALSE(doc.contentChanged());
}

TEST_F(DuplicateNames, FullLogOfASmallRun) {
  const auto a = folder("A\\");
  folder("A\\B\\");
  bookmark(a, "Tools", "u1");
  bookmark(a, "tools", "u2");
  bookmark(0, "Solo", "u3");
  doc.sortAndResolve();
  EXPECT_EQ(log(),
            "Linkfold import log created 12/06/26 16:32:47\r\n\r\n"
            "\r\nResolving duplicate bookmarks:\r\n\r\n"
            "Processing Root Folder\r\n"
            "Processing A\\\r\n"
            "  Duplicate  \"tools\"\r\n  renamed to \"tools (1)\"\r\n\r\n"
            "Processing A\\B\\\r\n");
}

TEST_F(DuplicateNames, WithoutDuplicatesTheLogSaysSoAndTheTableIsSortedOnce) {
  doc.openStatusWindow();
  bookmark(0, "b", "u1");
  bookmark(0, "a", "u2");
  bookmark(folder("F\\"), "b", "u3");
  doc.sortAndResolve();
  EXPECT_EQ(ui.statusTexts(),
            (std::vector<std::string>{"Sorting...", "Resolving duplicate names..."}));
  EXPECT_EQ(doc.bookmark(0).name, "a");
  EXPECT_FALSE(doc.adjustmentFlag());
  EXPECT_FALSE(doc.contentChanged());
  EXPECT_EQ(log(),
            "Linkfold import log created 12/06/26 16:32:47\r\n\r\n"
            "\r\nResolving duplicate bookmarks:\r\n\r\n"
            "Processing Root Folder\r\n"
            "Processing F\\\r\n"
            "\r\nNo duplicates bFound.\r\n");
}

TEST_F(DuplicateNames, RenamesAreFollowedByASecondSort) {
  doc.openStatusWindow();
  // "a (1)" sorts after "a !", so the renamed table must be sorted again.
  bookmark(0, "a", "u1");
  bookmark(0, "A", "u2");
  bookmark(0, "a !", "u3");
  doc.sortAndResolve();
  EXPECT_EQ(ui.statusTexts(),
            (std::vector<std::string>{"Sorting...", "Resolving duplicate names...",
                                      "Duplicate names resolved. Re-sorting..."}));
  EXPECT_TRUE(std::is_sorted(doc.bookmarks().begin(), doc.bookmarks().end(), bookmarkOrderLess));
  EXPECT_EQ(doc.bookmark(1).name, "a !");
  // The lookup of add-bookmark sees the new names.
  EXPECT_EQ(bookmark(0, "A (1)", "u2"), 2u);
  EXPECT_EQ(doc.bookmarkCount(), 3u);
}

TEST_F(DuplicateNames, EveryRenameSetsTheAdjustmentFlagEvenWithoutALog) {
  doc.closeLog();
  ASSERT_FALSE(doc.adjustmentFlag());
  bookmark(0, "x", "u1");
  bookmark(0, "X", "u2");
  EXPECT_TRUE(doc.resolveDuplicateNames());
  EXPECT_TRUE(doc.adjustmentFlag());
  EXPECT_FALSE(doc.resolveDuplicateNames());  // nothing is left to rename
}

TEST_F(DuplicateNames, RecordsOfAMissingFolderAreLeftAlone) {
  bookmark(0, "x", "u1");
  bookmark(0, "x", "u2");
  doc.setBookmarkFolder(0, 7);
  doc.setBookmarkFolder(1, 7);
  EXPECT_FALSE(doc.resolveDuplicateNames());
  EXPECT_EQ(doc.bookmark(1).name, "x");
}

TEST_F(DuplicateNames, RunningOutOfMemoryStopsAfterKeepingTheRenamesMadeSoFar) {
  bookmark(0, "x", "u1");
  bookmark(0, "X", "u2");
  const auto big = folder("Big\\");
  for (int i = 0; i < 300; ++i) bookmark(big, "n" + std::to_string(1000 + i), "u");
  bookmark(big, "n1005", "another");
  bookmark(folder("Later\\"), "y", "u");
  doc.sortBookmarks();
  {
    // Room for the root folder's working list, not for the big folder's.
    ScopedAllocationLimit limit(4096);
    EXPECT_TRUE(doc.resolveDuplicateNames());
  }
  EXPECT_EQ(namesByUrl().at("u2"), "X (1)");
  EXPECT_EQ(namesByUrl().at("another"), "n1005");
  EXPECT_TRUE(doc.contentChanged());
  EXPECT_EQ(log(),
            "Linkfold import log created 12/06/26 16:32:47\r\n\r\n"
            "\r\nResolving duplicate bookmarks:\r\n\r\n"
            "Processing Root Folder\r\n"
            "  Duplicate  \"X\"\r\n  renamed to \"X (1)\"\r\n\r\n"
            "Processing Big\\\r\n"
            "Critical error:\r\nCLFDoc::resolveDuplicateNames:\r\n"
            "Out of memory; some duplicate names remain\r\nProcessing aborted\r\n");
}

}  // namespace
}  // namespace linkfold::test
