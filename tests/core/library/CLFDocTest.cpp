// The document's two tables, the rules for names and the clipboard; most cases are scenarios in
// tests/data/library-scenarios.txt.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/library/LibraryFixture.h"
#include "core/library/LibraryScenario.h"
#include "library/BookmarkClipboard.h"
#include "library/NameRules.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

TEST(LibraryScenarios, EachStepYieldsWhatItsLineExpects) {
  runScenarios<LibraryScenario>("library-scenarios.txt");
}

class CLFDocTables : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.addFolder("\\", true)); }
};

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

TEST_F(CLFDocTables, DuplicateNamesThatRunOutOfMemoryStopAfterKeepingTheRenamesMadeSoFar) {
  fixClock();
  ASSERT_TRUE(doc.createLog());
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
  EXPECT_EQ(nameOf(doc, "u2"), "X (1)");
  EXPECT_EQ(nameOf(doc, "another"), "n1005");
  EXPECT_TRUE(doc.contentChanged());
  doc.closeLog();
  EXPECT_EQ(temp.read("IMPLOG.TXT"), kLogHeader + "\r\nResolving duplicate bookmarks:\r\n\r\n" +
                                         readCases("duplicate-names-logs.txt").at(0)["log"]);
}

TEST(NameCleaning, ReplacesTrimsAndGuardsPeriods) {
  LibraryFixture f;
  for (const TestCase& c : readCases("name-cleaning-cases.txt")) {
    f.doc.setReplacementChar(c["replacement"].at(0));
    EXPECT_EQ(f.doc.cleanItemName(c["name"]), c["cleaned"]) << c.what;
  }
}

// What a paste reads from each form on the clipboard; copies are scenarios.
TEST(BookmarkClipboard, EachFormGivesItsBookmarksAndIgnoresTheRest) {
  for (const TestCase& c : readCases("clipboard-paste-cases.txt")) {
    std::vector<PastedBookmark> expected;
    for (const std::string& line : c.lines("found"))
      expected.push_back({line.substr(0, line.find('\t')), line.substr(line.find('\t') + 1)});
    EXPECT_EQ(parseClipboard({c["text"], c["uriList"], c["html"]}), expected) << c.what;
  }
}

}  // namespace
}  // namespace linkfold::test
