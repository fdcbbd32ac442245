#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

// Folder indexes: A 1, Gone 2 (empty), B 3, B\Deep 4, C 5. Bookmarks spread over them so that
// folder and bookmark indexes overlap, and nested folders hold bookmarks with high indexes.
class Renumbering : public ::testing::Test, public ViewFixture {
 protected:
  void SetUp() override {
    const auto a = folder("A\\");
    gone = folder("Gone\\");
    const auto b = folder("B\\");
    const auto deep = folder("B\\Deep\\");
    const auto c = folder("C\\");
    ASSERT_EQ(c, 5u);
    bookmark(a, "a1", "http://a1/");
    bookmark(deep, "deep1", "http://d1/");
    bookmark(0, "root1", "http://r1/");
    removedMark = bookmark(b, "b1", "http://b1/");
    bookmark(c, "c1", "http://c1/");
    bookmark(deep, "deep2", "http://d2/");
    bookmark(a, "a2", "http://a2/");
    view.OnUpdate();
  }

  // Every item's data must name the library entry its label shows.
  void expectItemsMatchLibrary() {
    std::vector<TreeItem> pending{view.tree().root()};
    int bookmarks = 0;
    while (!pending.empty()) {
      const TreeItem i = pending.back();
      pending.pop_back();
      const std::uint32_t data = view.tree().data(i);
      if (view.IsBookmarkItem(i)) {
        ++bookmarks;
        ASSERT_LT(data, doc.bookmarkCount()) << view.tree().label(i);
        EXPECT_EQ(doc.bookmark(data).name, view.tree().label(i));
      } else {
        ASSERT_LT(data, doc.folderCount()) << view.tree().label(i);
        EXPECT_EQ(CLFDoc::folderDisplayName(doc.folder(data).path), view.tree().label(i));
      }
      for (TreeItem c : view.tree().children(i)) pending.push_back(c);
    }
    EXPECT_EQ(bookmarks, static_cast<int>(doc.bookmarkCount()));
  }

  std::vector<std::uint32_t> dataOf(const std::vector<std::string>& paths) {
    std::vector<std::uint32_t> out;
    for (const auto& p : paths) out.push_back(view.tree().data(item(p)));
    return out;
  }

  std::uint32_t gone = 0;
  std::uint32_t removedMark = 0;
};

TEST_F(Renumbering, AfterABookmarkIsRemovedEveryItemStillNamesItsRecord) {
  const TreeItem doomed = item("Root Folder/B/b1");
  doc.removeBookmark(removedMark);
  view.tree().deleteItem(doomed);
  view.RenumberBookmarkItems(view.tree().root(), removedMark);
  expectItemsMatchLibrary();
}

TEST_F(Renumbering, AfterAFolderIsRemovedEveryItemStillNamesItsFolder) {
  const TreeItem doomed = item("Root Folder/Gone");
  doc.removeFolder(gone);
  view.tree().deleteItem(doomed);
  view.RenumberFolderItems(view.tree().root(), gone);
  expectItemsMatchLibrary();
}

TEST_F(Renumbering, TheBookmarkWalkCoversOnlyWhatLiesBelowTheStartItem) {
  view.RenumberBookmarkItems(item("Root Folder/B"), 0);
  // Below B: bookmarks lowered, the folder Deep and B itself untouched.
  EXPECT_EQ(dataOf({"Root Folder/B", "Root Folder/B/Deep", "Root Folder/B/b1",
                    "Root Folder/B/Deep/deep1", "Root Folder/B/Deep/deep2"}),
            (std::vector<std::uint32_t>{3, 4, 2, 0, 4}));
  // Elsewhere nothing changes.
  EXPECT_EQ(
      dataOf({"Root Folder/A/a1", "Root Folder/A/a2", "Root Folder/root1", "Root Folder/C/c1"}),
      (std::vector<std::uint32_t>{0, 6, 2, 4}));
}

TEST_F(Renumbering, TheFolderWalkCoversTheStartItemAndItsFollowingSiblings) {
  // Siblings in display order: A, B, C, Gone, root1. Starting at B leaves A alone.
  view.RenumberFolderItems(item("Root Folder/B"), 1);
  EXPECT_EQ(dataOf({"Root Folder/A", "Root Folder/B", "Root Folder/B/Deep", "Root Folder/C",
                    "Root Folder/Gone", "Root Folder"}),
            (std::vector<std::uint32_t>{1, 2, 3, 4, 1, 0}));
  // Bookmark items carry bookmark indexes and are never touched by the folder walk.
  EXPECT_EQ(dataOf({"Root Folder/root1", "Root Folder/B/b1", "Root Folder/B/Deep/deep2"}),
            (std::vector<std::uint32_t>{2, 3, 5}));
}

}  // namespace
}  // namespace linkfold::test
