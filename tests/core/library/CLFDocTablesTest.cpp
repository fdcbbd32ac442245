#include <gtest/gtest.h>

#include "core/library/LibraryFixture.h"

namespace linkfold::test {
namespace {

class CLFDocTables : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.addFolder("\\", true)); }
};

TEST_F(CLFDocTables, AddFolderCreatesMissingAncestorsAfterTheChild) {
  std::uint32_t index = 99;
  ASSERT_TRUE(doc.addFolder("X\\Y\\Z\\", false, &index));
  EXPECT_EQ(index, 1u);
  ASSERT_EQ(doc.folderCount(), 4u);
  EXPECT_EQ(doc.folder(1).path, "X\\Y\\Z\\");
  EXPECT_EQ(doc.folder(2).path, "X\\Y\\");
  EXPECT_EQ(doc.folder(3).path, "X\\");
  EXPECT_EQ(doc.folder(1).parent, 2u);
  EXPECT_EQ(doc.folder(2).parent, 3u);
  EXPECT_EQ(doc.folder(3).parent, 0u);
  EXPECT_EQ(doc.folder(1).selection, kSelected);
  EXPECT_TRUE(doc.contentAdded());
}

TEST_F(CLFDocTables, AddFolderFindsExistingPathIgnoringCaseAndKeepsItsCase) {
  folder("News\\");
  doc.clearContentFlags();
  std::uint32_t index = 0;
  ASSERT_TRUE(doc.addFolder("news\\", false, &index));
  EXPECT_EQ(index, 1u);
  EXPECT_EQ(doc.folderCount(), 2u);
  EXPECT_EQ(doc.folder(1).path, "News\\");
  EXPECT_FALSE(doc.contentAdded());
  EXPECT_FALSE(doc.contentChanged());
}

TEST_F(CLFDocTables, AddFolderLocksAnExistingUnlockedFolder) {
  LibraryFixture fresh;
  ASSERT_TRUE(fresh.doc.addFolder("\\", false));
  EXPECT_FALSE(fresh.doc.contentAdded());  // only the root: nothing counts as added
  ASSERT_TRUE(fresh.doc.addFolder("\\", true));
  EXPECT_TRUE(fresh.doc.folder(0).locked);
  EXPECT_TRUE(fresh.doc.contentChanged());
}

TEST_F(CLFDocTables, AddBookmarkMergeRule) {
  const auto news = folder("News\\");
  const auto other = folder("Other\\");
  const auto first = bookmark(news, "Home", "http://a.example/x");
  doc.clearContentFlags();
  // Name in other case, URL with one trailing slash more: the existing record.
  EXPECT_EQ(bookmark(news, "HOME", "http://a.example/x/"), first);
  EXPECT_FALSE(doc.contentAdded());
  // Two slashes more: a new record.
  EXPECT_NE(bookmark(news, "Home", "http://a.example/x//"), first);
  // Same name and URL in another folder: a new record.
  EXPECT_NE(bookmark(other, "Home", "http://a.example/x"), first);
  // URL differing only in case: a new record (URLs compare exactly).
  EXPECT_NE(bookmark(news, "Home", "http://A.example/x"), first);
  EXPECT_EQ(doc.bookmarkCount(), 4u);
  EXPECT_TRUE(doc.contentAdded());
  EXPECT_FALSE(doc.isModified());
}

TEST_F(CLFDocTables, AddBookmarkMatchesAStoredTrailingSlashBothWays) {
  const auto stored = bookmark(0, "A", "http://x/");
  EXPECT_EQ(bookmark(0, "a", "http://x"), stored);
  const auto slashSlash = bookmark(0, "B", "http://y//");
  EXPECT_EQ(bookmark(0, "b", "http://y/"), slashSlash);
  EXPECT_EQ(doc.bookmarkCount(), 2u);
}

TEST_F(CLFDocTables, AddBookmarkReportsTheFirstMatchInTableOrder) {
  // Both records match "http://z/" under the one-slash rule; the earlier one wins, also after
  // the index had to be rebuilt.
  const auto withSlash = bookmark(0, "N", "http://z//");
  const auto without = bookmark(0, "N", "http://z");
  ASSERT_NE(withSlash, without);
  doc.setBookmarkName(0, "N");  // forces a rebuild of the lookup index
  EXPECT_EQ(bookmark(0, "n", "http://z/"), withSlash);
  doc.removeBookmark(withSlash);
  EXPECT_EQ(bookmark(0, "n", "http://z/"), 0u);
}

TEST_F(CLFDocTables, BookmarkCapacityMovesInStepsOf32) {
  EXPECT_EQ(doc.bookmarkCapacity(), 0u);
  for (int i = 0; i < 33; ++i) bookmark(0, "b" + std::to_string(i), "u");
  EXPECT_EQ(doc.bookmarkCapacity(), 64u);
  doc.removeBookmark(0);  // 32 left: 32 unused slots
  EXPECT_EQ(doc.bookmarkCapacity(), 32u);
  EXPECT_TRUE(doc.isModified());
  while (doc.bookmarkCount() > 1) doc.removeBookmark(0);
  EXPECT_EQ(doc.bookmarkCapacity(), 32u);
  doc.removeBookmark(0);
  EXPECT_EQ(doc.bookmarkCapacity(), 0u);
}

TEST_F(CLFDocTables, RemoveBookmarkKeepsOrder) {
  for (const char* n : {"a", "b", "c"}) bookmark(0, n, "u");
  doc.removeBookmark(1);
  ASSERT_EQ(doc.bookmarkCount(), 2u);
  EXPECT_EQ(doc.bookmark(0).name, "a");
  EXPECT_EQ(doc.bookmark(1).name, "c");
}

TEST_F(CLFDocTables, RemovingManyAtOnceEqualsRemovingThemOneByOne) {
  LibraryFixture oneByOne;
  for (auto* d : {&doc, &oneByOne.doc})
    for (int i = 0; i < 100; ++i) d->addBookmark(0, "b" + std::to_string(i), "u", "", 0, 0, 0);
  const std::vector<std::uint32_t> gone{0, 5, 37, 38, 60, 61, 62, 99};
  doc.removeBookmarks(gone);
  for (auto it = gone.rbegin(); it != gone.rend(); ++it) oneByOne.doc.removeBookmark(*it);
  ASSERT_EQ(doc.bookmarkCount(), 92u);
  for (std::uint32_t i = 0; i < doc.bookmarkCount(); ++i)
    EXPECT_EQ(doc.bookmark(i).name, oneByOne.doc.bookmark(i).name);
  EXPECT_EQ(doc.bookmarkCapacity(), oneByOne.doc.bookmarkCapacity());
  EXPECT_EQ(doc.bookmarkCapacity(), 96u);
  EXPECT_TRUE(doc.isModified());
  // The merge rule still finds a record that moved down.
  EXPECT_EQ(bookmark(0, "B1", "u"), 0u);
}

TEST(CLFDocNames, FolderDisplayName) {
  EXPECT_EQ(CLFDoc::folderDisplayName("\\"), "Root Folder");
  EXPECT_EQ(CLFDoc::folderDisplayName("News\\"), "News");
  EXPECT_EQ(CLFDoc::folderDisplayName("News\\Daily\\"), "Daily");
}

TEST(CLFDocDates, FormatDate) {
  EXPECT_EQ(CLFDoc::formatDate(0), "???");
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(CLFDoc::formatDate(1796574767u), "Sunday, December 06, 2026 16:32:47");
}

TEST_F(CLFDocTables, FindUnlistedChildAndClearMarks) {
  folder("A\\");
  folder("A\\B\\");
  folder("A\\C\\");
  EXPECT_EQ(doc.findUnlistedChild(1), 2u);
  doc.setFolderListed(2, true);
  EXPECT_EQ(doc.findUnlistedChild(1), 3u);
  doc.setFolderListed(3, true);
  EXPECT_FALSE(doc.findUnlistedChild(1));
  doc.clearListedMarks();
  EXPECT_EQ(doc.findUnlistedChild(1), 2u);
  EXPECT_EQ(doc.findUnlistedChild(0), 1u);
}

TEST_F(CLFDocTables, ConfirmSelectionAsksOnlyWhenNothingIsSelected) {
  EXPECT_TRUE(doc.confirmSelection());
  EXPECT_TRUE(ui.messages.empty());
  doc.setFolderSelection(0, kNotSelected);
  ui.answer(Answer::No);
  EXPECT_FALSE(doc.confirmSelection());
  ui.answer(Answer::Yes);
  EXPECT_TRUE(doc.confirmSelection());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, "WARNING: You have no folders selected!\n\nAre you sure you want to proceed?",
                 Question);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
}

TEST_F(CLFDocTables, DeleteContentsEmptiesEverything) {
  bookmark(folder("A\\"), "x", "u");
  doc.DeleteContents();
  EXPECT_EQ(doc.folderCount(), 0u);
  EXPECT_EQ(doc.bookmarkCount(), 0u);
  EXPECT_EQ(doc.bookmarkCapacity(), 0u);
  std::uint32_t index = 9;
  ASSERT_TRUE(doc.addFolder("A\\", false, &index));  // the old index is gone too
  EXPECT_EQ(index, 0u);
}

}  // namespace
}  // namespace linkfold::test
