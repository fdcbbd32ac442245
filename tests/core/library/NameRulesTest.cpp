#include <gtest/gtest.h>

#include <algorithm>

#include "support/AllocationLimit.h"
#include "core/library/LibraryFixture.h"
#include "library/NameRules.h"

namespace linkfold::test {
namespace {

class NameCleaning : public ::testing::Test, public LibraryFixture {};

TEST_F(NameCleaning, TabsBecomeSpacesForbiddenCharactersTheReplacementThenTrim) {
  EXPECT_EQ(doc.cleanItemName("\tA/B?\t"), "A$B$");
  EXPECT_EQ(doc.cleanItemName("\"*/:<>?\\|"), "$$$$$$$$$");
  EXPECT_EQ(doc.cleanItemName("a\tb"), "a b");
  doc.setReplacementChar('~');
  EXPECT_EQ(doc.cleanItemName("x:y"), "x~y");
}

TEST_F(NameCleaning, TrimsTheSixWhiteSpaceCharactersAtBothEndsOnly) {
  EXPECT_EQ(doc.cleanItemName(" \n\v\f\r\tin  side\r\n \v\f"), "in  side");
  // Other control characters and bytes above 127 stay, also at the ends.
  EXPECT_EQ(doc.cleanItemName("\x01 caf\xC3\xA9\x7F"), "\x01 caf\xC3\xA9\x7F");
  EXPECT_EQ(doc.cleanItemName(" \t\r\n"), "");
}

TEST_F(NameCleaning, ReplacementsThatAreBlankAreTrimmedToo) {
  doc.setReplacementChar(' ');
  EXPECT_EQ(doc.cleanItemName("?Docs|"), "Docs");
  EXPECT_EQ(doc.cleanItemName("a<b"), "a b");
}

TEST_F(NameCleaning, NamesOfPeriodsOnlyCanNeverBeADotComponent) {
  EXPECT_EQ(doc.cleanItemName("."), "$");
  EXPECT_EQ(doc.cleanItemName(" .. "), "$$");
  EXPECT_EQ(doc.cleanItemName("..."), "$$$");
  // Periods among other characters are ordinary.
  EXPECT_EQ(doc.cleanItemName("..a"), "..a");
  EXPECT_EQ(doc.cleanItemName("v1.0."), "v1.0.");
  EXPECT_EQ(doc.cleanItemName(". ."), ". .");
  doc.setReplacementChar(' ');
  EXPECT_EQ(doc.cleanItemName(".."), "");
}

class BookmarkSort : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.addFolder("\\", true));
    folder("A\\");
    folder("B\\");
  }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& b : doc.bookmarks()) out.push_back(b.name);
    return out;
  }
};

TEST_F(BookmarkSort, NamesIgnoreAsciiCaseAndCompareAsUnsignedBytes) {
  for (const char* n : {"caf\xC3\xA9", "zebra", "Banana", "_under", "apple", "^caret", "Zoo"})
    bookmark(0, n, "u");
  doc.sortBookmarks();
  // "^" and "_" lie between the upper- and lower-case letters, so they come before every
  // letter once case is ignored; the UTF-8 lead byte 0xC3 sorts after every ASCII byte.
  EXPECT_EQ(names(), (std::vector<std::string>{"^caret", "_under", "apple", "Banana", "caf\xC3\xA9",
                                               "zebra", "Zoo"}));
}

TEST_F(BookmarkSort, LongCommonBeginningsAndEmbeddedZeroBytes) {
  bookmark(0, "abcdefghZ", "u");
  bookmark(0, "ABCDEFGHa", "u");
  bookmark(0, "abcdefgh", "u");
  bookmark(0, std::string("ab\0c", 4), "u");
  bookmark(0, "ab", "u");
  doc.sortBookmarks();
  EXPECT_EQ(names(), (std::vector<std::string>{"ab", std::string("ab\0c", 4), "abcdefgh",
                                               "ABCDEFGHa", "abcdefghZ"}));
}

TEST_F(BookmarkSort, EqualNamesGoBySmallerFolderIndex) {
  bookmark(2, "home", "u2");
  bookmark(0, "Home", "u0");
  bookmark(1, "HOME", "u1");
  doc.sortBookmarks();
  ASSERT_EQ(doc.bookmarkCount(), 3u);
  for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(doc.bookmark(i).folder, i);
  EXPECT_EQ(doc.bookmark(0).url, "u0");
  EXPECT_TRUE(std::is_sorted(doc.bookmarks().begin(), doc.bookmarks().end(), bookmarkOrderLess));
}

TEST_F(BookmarkSort, KeepsEveryFieldWithItsRecordOverManyRecords) {
  // Enough records, in an order with long permutation cycles, to move each record several
  // places.
  for (int i = 0; i < 500; ++i) {
    const int key = (i * 7919) % 500;
    ASSERT_TRUE(doc.addBookmark(static_cast<std::uint32_t>(key % 3), "n" + std::to_string(key),
                                "url" + std::to_string(key), "d" + std::to_string(key),
                                static_cast<std::uint32_t>(key), 0, 0));
  }
  doc.sortBookmarks();
  ASSERT_EQ(doc.bookmarkCount(), 500u);
  EXPECT_TRUE(std::is_sorted(doc.bookmarks().begin(), doc.bookmarks().end(), bookmarkOrderLess));
  for (const auto& b : doc.bookmarks()) {
    const std::string key = std::to_string(b.addDate);
    EXPECT_EQ(b.name, "n" + key);
    EXPECT_EQ(b.url, "url" + key);
    EXPECT_EQ(b.description, "d" + key);
    EXPECT_EQ(b.folder, b.addDate % 3);
  }
}

TEST_F(BookmarkSort, AddBookmarkFindsRecordsAtTheirNewPlaces) {
  bookmark(1, "zz", "http://z/");
  bookmark(1, "aa", "http://a/");
  doc.sortBookmarks();
  ASSERT_EQ(doc.bookmark(0).name, "aa");
  EXPECT_EQ(bookmark(1, "ZZ", "http://z"), 1u);
  EXPECT_EQ(bookmark(1, "AA", "http://a/"), 0u);
  EXPECT_EQ(doc.bookmarkCount(), 2u);
}

TEST_F(BookmarkSort, SortsInPlaceWhenThereIsNoRoomForSortKeys) {
  for (int i = 0; i < 300; ++i) bookmark(i % 3, "n" + std::to_string((i * 37) % 300), "u");
  const int refusedBefore = ScopedAllocationLimit::refusals();
  {
    ScopedAllocationLimit limit(4096);  // the keys of 300 records need more
    doc.sortBookmarks();
  }
  EXPECT_GT(ScopedAllocationLimit::refusals(), refusedBefore);
  EXPECT_TRUE(std::is_sorted(doc.bookmarks().begin(), doc.bookmarks().end(), bookmarkOrderLess));
  EXPECT_EQ(bookmark(1, "N1", "u"), 1u);  // the lookup follows the new order
  EXPECT_EQ(doc.bookmarkCount(), 300u);
}

}  // namespace
}  // namespace linkfold::test
