// The document's two tables: adding, merging, removing, restructuring and sorting them, and the
// rules for names.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/library/LibraryFixture.h"
#include "library/NameRules.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

class CLFDocTables : public ::testing::Test, public LibraryFixture {
 protected:
  explicit CLFDocTables(std::size_t favoritesLength = 0)
      : LibraryFixture(favoritesOnly(std::string(favoritesLength, 'f'))) {}
  void SetUp() override { ASSERT_TRUE(doc.addFolder("\\", true)); }
};

TEST_F(CLFDocTables, AddFolderCreatesMissingAncestorsAfterTheChildAndFindsPathsIgnoringCase) {
  EXPECT_EQ(folder("X\\Y\\Z\\"), 1u);
  EXPECT_EQ(tables(), "\\:0 X\\Y\\Z\\:2 X\\Y\\:3 X\\:0 |");
  EXPECT_TRUE(doc.contentAdded());
  doc.clearContentFlags();
  EXPECT_EQ(folder("x\\y\\"), 2u);
  EXPECT_EQ(tables(), "\\:0 X\\Y\\Z\\:2 X\\Y\\:3 X\\:0 |");
  EXPECT_FALSE(doc.contentAdded() || doc.contentChanged());
  ASSERT_TRUE(doc.addFolder("x\\", true));  // locking an existing folder is a change
  EXPECT_TRUE(doc.folder(3).locked && doc.contentChanged());
  LibraryFixture fresh;
  ASSERT_TRUE(fresh.doc.addFolder("\\", false));
  EXPECT_FALSE(fresh.doc.contentAdded());  // only the root: nothing counts as added
}

// Below a folder found in other letter case, new paths take the stored spelling, so every path
// begins with its parent's.
TEST_F(CLFDocTables, AddFolderSpellsNewPathsLikeTheFolderItFound) {
  folder("Abc\\");
  EXPECT_EQ(folder("abc\\y\\z\\"), 2u);
  EXPECT_EQ(folder("ABC\\Y\\w\\"), 4u);
  EXPECT_EQ(tables(), "\\:0 Abc\\:0 Abc\\y\\z\\:3 Abc\\y\\:1 Abc\\y\\w\\:3 |");
}

TEST_F(CLFDocTables, AddFolderThatRunsOutOfMemoryLeavesTablesAndIndexAsTheyWere) {
  const std::string longPath = std::string(8000, 'x') + "\\";
  const std::string wanted = "New\\" + longPath;
  folder(longPath);
  folder("B\\");  // three folders in room for four
  {
    ScopedAllocationLimit limit(256);
    // P\Q\ fits the room, P\ needs more: the first is taken back.
    EXPECT_FALSE(doc.addFolder("P\\Q\\", false));
    // Undoing must not allocate: copying the long path again would fail too.
    EXPECT_FALSE(doc.addFolder(wanted, false));
  }
  for (const std::string& gone : {wanted, std::string("New\\"), std::string("P\\Q\\")})
    EXPECT_FALSE(doc.findFolder(gone));
  EXPECT_EQ(doc.findFolder(longPath), 1u);
  EXPECT_EQ(folder("P\\Q\\"), 3u);
}

TEST_F(CLFDocTables, AddBookmarkMergeRule) {
  const auto first = bookmark(0, "Home", "http://a/x");
  doc.clearContentFlags();
  // Name in other case, URL with one trailing slash more: the existing record.
  EXPECT_EQ(bookmark(0, "HOME", "http://a/x/"), first);
  EXPECT_FALSE(doc.contentAdded());
  EXPECT_EQ(bookmark(0, "Home", "http://a/x//"), 1u);            // two slashes more
  EXPECT_EQ(bookmark(folder("B\\"), "Home", "http://a/x"), 2u);  // another folder
  EXPECT_EQ(bookmark(0, "Home", "http://A/x"), 3u);              // URLs compare exactly
  EXPECT_TRUE(doc.contentAdded());
  // A stored trailing slash matches the other way too, but only one.
  EXPECT_EQ(bookmark(0, "home", "http://a/x/"), 0u);
  EXPECT_EQ(bookmark(0, "home", "http://a/"), 4u);
  EXPECT_EQ(bookmark(0, "HOME", "http://a"), 4u);
  EXPECT_FALSE(doc.isModified());
  // Two records match "http://z/" under the one-slash rule; the earlier one wins, also after
  // the index was rebuilt, and after it was removed the other one.
  ASSERT_EQ(bookmark(0, "N", "http://z//"), 5u);
  ASSERT_EQ(bookmark(0, "N", "http://z"), 6u);
  doc.setBookmarkName(5, "N");
  EXPECT_EQ(bookmark(0, "n", "http://z/"), 5u);
  doc.removeBookmark(5);
  EXPECT_EQ(bookmark(0, "n", "http://z/"), 5u);
  EXPECT_EQ(doc.bookmark(5).url, "http://z");
  // Every letter folds, also in names long enough to be hashed several words at a time.
  const auto letters = bookmark(0, "abcdefghijklmnopqrstuvwxyz@[`{", "http://l/");
  EXPECT_EQ(bookmark(0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ@[`{", "http://l"), letters);
}

TEST_F(CLFDocTables, RemovingBookmarksKeepsOrderAndMovesTheCapacityInStepsOf32) {
  LibraryFixture oneByOne;
  ASSERT_TRUE(oneByOne.doc.addFolder("\\", true));
  for (auto* d : {&doc, &oneByOne.doc})
    for (int i = 0; i < 100; ++i) d->addBookmark(0, "b" + std::to_string(i), "u", "", 0, 0, 0);
  EXPECT_EQ(doc.bookmarkCapacity(), 128u);
  const std::vector<std::uint32_t> gone{0, 5, 37, 38, 60, 61, 62, 99};
  doc.removeBookmarks(gone);
  for (auto it = gone.rbegin(); it != gone.rend(); ++it) oneByOne.doc.removeBookmark(*it);
  EXPECT_EQ(tables(), oneByOne.tables());
  EXPECT_EQ(doc.bookmarkCount(), 92u);
  EXPECT_EQ(doc.bookmarkCapacity(), 96u);
  EXPECT_EQ(oneByOne.doc.bookmarkCapacity(), 96u);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(bookmark(0, "B1", "u"), 0u);  // the merge rule finds a record that moved down
  while (doc.bookmarkCount() > 1) doc.removeBookmark(0);
  EXPECT_EQ(doc.bookmarkCapacity(), 32u);
  doc.setModifiedFlag(false);
  doc.removeBookmark(1);  // past the table: nothing changes
  doc.removeBookmarks({7, 9});
  EXPECT_EQ(tables(), "\\:0 | b98@0");
  EXPECT_FALSE(doc.isModified());
  doc.removeBookmarks({0, 2});  // only the index in range counts
  EXPECT_EQ(doc.bookmarkCapacity(), 0u);
  EXPECT_TRUE(doc.isModified());
}

TEST_F(CLFDocTables, RemoveFolderRenumbersOrRefuses) {
  folder("A\\");
  folder("B\\");
  folder("A\\C\\D\\");
  bookmark(3, "x", "u");
  for (const std::uint32_t refused : {0, 1, 3, 4, 5})  // root, not empty, past the table
    EXPECT_FALSE(doc.removeFolder(refused)) << refused;
  EXPECT_TRUE(doc.removeFolder(2));
  EXPECT_EQ(tables(), "\\:0 A\\:0 A\\C\\D\\:3 A\\C\\:1 | x@2");
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(doc.findFolder("a\\c\\"), 3u);  // the path index follows the shift
}

TEST_F(CLFDocTables, RenameAndMoveRewriteTheSubtreeOnly) {
  folder("A\\B\\");
  folder("AB\\");
  ASSERT_TRUE(doc.renameFolder(2, "Alpha"));
  ASSERT_TRUE(doc.renameFolder(1, "Beta"));
  EXPECT_EQ(tables(), "\\:0 Alpha\\Beta\\:2 Alpha\\:0 AB\\:0 |");
  EXPECT_EQ(doc.findFolder("ALPHA\\BETA\\"), 1u);
  EXPECT_TRUE(doc.isModified());
  doc.setModifiedFlag(false);
  ASSERT_TRUE(doc.moveFolder(2, 3));
  EXPECT_EQ(tables(), "\\:0 AB\\Alpha\\Beta\\:2 AB\\Alpha\\:3 AB\\:0 |");
  ASSERT_TRUE(doc.moveFolder(1, 0));
  EXPECT_EQ(tables(), "\\:0 Beta\\:0 AB\\Alpha\\:3 AB\\:0 |");
  EXPECT_FALSE(doc.isModified());
  folder("AB\\beta\\");
  EXPECT_FALSE(doc.moveFolder(1, 3));  // the destination holds that name
  EXPECT_FALSE(doc.moveFolder(1, 0));  // so does its own parent: itself
  EXPECT_FALSE(doc.moveFolder(3, 2));  // below itself
  EXPECT_EQ(doc.folder(1).path, "Beta\\");
}

TEST_F(CLFDocTables, MoveFolderDerivesSelectionStates) {
  const auto p = folder("P\\");
  folder("P\\Keep\\");
  const auto moving = folder("P\\Moving\\");
  const auto dest = folder("D\\");
  doc.setFolderSelection(p, kPartlySelected);
  doc.setFolderSelection(moving, kNotSelected);
  ASSERT_TRUE(doc.moveFolder(moving, dest));
  EXPECT_EQ(doc.folder(p).selection, kSelected);        // every remaining sub-folder selected
  EXPECT_EQ(doc.folder(dest).selection, kNotSelected);  // its only sub-folder is not selected
  EXPECT_EQ(doc.folder(0).selection, kPartlySelected);
  // An old parent left without sub-folders turns from partly selected to selected.
  doc.setFolderSelection(dest, kPartlySelected);
  ASSERT_TRUE(doc.moveFolder(moving, 0));
  EXPECT_EQ(doc.folder(dest).selection, kSelected);
}

// Full paths, the Favorites path in front, may not pass 200 characters.
class LongFavorites : public CLFDocTables {
 protected:
  LongFavorites() : CLFDocTables(180) {}
};

TEST_F(LongFavorites, RenameChecksLengthOnlyWhenTheNameGrowsMoveAlways) {
  folder(std::string(14, 'a') + "\\");                      // 180 + 15 = 195
  EXPECT_TRUE(doc.renameFolder(1, std::string(19, 'b')));   // 200: allowed
  EXPECT_FALSE(doc.renameFolder(1, std::string(20, 'c')));  // 201
  EXPECT_EQ(doc.folder(1).path, std::string(19, 'b') + "\\");
  folder(std::string(19, 'b') + "\\" + std::string(20, 'x') + "\\");  // 221
  EXPECT_TRUE(doc.renameFolder(1, "a"));                              // shrinking never fails
  folder("Q\\" + std::string(12, 'd') + "\\");                        // 3, in Q\ (4): 16 characters
  EXPECT_FALSE(doc.moveFolder(4, folder("Target\\")));                // 180 + 7 + 16 = 203
  EXPECT_TRUE(doc.moveFolder(4, folder("T\\")));                      // 180 + 2 + 16 = 198
  EXPECT_EQ(doc.folder(3).path, "T\\Q\\" + std::string(12, 'd') + "\\");
}

TEST_F(CLFDocTables, SortByNameIgnoringAsciiCaseAsUnsignedBytesThenByFolder) {
  folder("A\\");
  folder("B\\");
  // "^" and "_" lie between the upper- and lower-case letters, so they come before every
  // letter once case is ignored; the UTF-8 lead byte 0xC3 sorts after every ASCII byte.
  const std::pair<std::string, std::uint32_t> added[] = {
      {"caf\xC3\xA9", 0}, {"cafz", 0},       {"Banana", 0}, {"_under", 0},    {"^caret", 0},
      {"home", 2},        {"Home", 0},       {"HOME", 1},   {"abcdefghZ", 0}, {"ABCDEFGHa", 0},
      {"abcdefgh", 0},    {{"ab\0c", 4}, 0}, {"ab", 0}};
  for (const auto& [name, f] : added) bookmark(f, name, "u");
  doc.sortBookmarks();
  EXPECT_EQ(tables(),
            "\\:0 A\\:0 B\\:0 | ^caret@0 _under@0 ab@0 " + std::string("ab\0c", 4) +
                "@0 abcdefgh@0 ABCDEFGHa@0 abcdefghZ@0 Banana@0 cafz@0 caf\xC3\xA9@0 Home@0 "
                "HOME@1 home@2");
}

TEST_F(CLFDocTables, SortMovesWholeRecordsAlsoWithoutRoomForSortKeys) {
  // Records in an order with long permutation cycles, so each moves several places.
  for (const std::size_t limit : {std::size_t{0}, std::size_t{4096}}) {
    doc.DeleteContents();
    ASSERT_TRUE(doc.addFolder("\\", true));
    for (int i = 0; i < 300; ++i) {
      const auto key = static_cast<std::uint32_t>((i * 7919) % 300);
      const std::string k = std::to_string(key);
      ASSERT_TRUE(doc.addBookmark(0, "n" + k, "url" + k, "d" + k, key, 0, 0));
    }
    const int refusedBefore = ScopedAllocationLimit::refusals();
    {
      std::optional<ScopedAllocationLimit> scoped;
      if (limit) scoped.emplace(limit);  // the keys of 300 records need more
      doc.sortBookmarks();
    }
    EXPECT_EQ(ScopedAllocationLimit::refusals() > refusedBefore, limit != 0);
    EXPECT_TRUE(std::is_sorted(doc.bookmarks().begin(), doc.bookmarks().end(), bookmarkOrderLess));
    for (const auto& b : doc.bookmarks()) {
      const std::string k = std::to_string(b.addDate);
      EXPECT_EQ(b.name + b.url + b.description, "n" + k + "url" + k + "d" + k);
    }
    EXPECT_EQ(bookmark(0, "N1", "url1"), 1u);  // the lookup follows the new order
  }
}

TEST(NameCleaning, ReplacesTrimsAndGuardsPeriods) {
  LibraryFixture f;
  for (const TestCase& c : readCases("name-cleaning-cases.txt")) {
    f.doc.setReplacementChar(c["replacement"].at(0));
    EXPECT_EQ(f.doc.cleanItemName(c["name"]), c["cleaned"]) << c.what;
  }
}

}  // namespace
}  // namespace linkfold::test
