#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

const MenuEntry kSeparator{kCmdSeparator, ""};
const MenuEntry kNewFolder{kCmdNewFolder, "&New folder"};

// Root
//   Full       a sub-folder and a bookmark below it
//   OnlyMarks  a bookmark below it
//   Empty
//   Locked     locked, with nothing in it
//   a bookmark at the top level
class ContextMenu : public ::testing::Test, public ViewFixture {
 protected:
  void SetUp() override {
    folder("Full\\Sub\\");
    bookmark(folder("Full\\"), "in full", "http://full/");
    bookmark(folder("OnlyMarks\\"), "mark", "http://mark/");
    folder("Empty\\");
    ASSERT_TRUE(doc.addFolder("Locked\\", true));
    bookmark(0, "top", "http://top/");
    view.OnUpdate();
  }

  std::vector<MenuEntry> rightClick(const std::string& path) {
    return view.OnRightClick({item(path), kHitOnLabel});
  }
};

TEST_F(ContextMenu, ABookmarkOffersRenameDeleteNewFolderAndProperties) {
  EXPECT_EQ(rightClick("Root Folder/top"),
            (std::vector<MenuEntry>{{kCmdRename, "&Rename Bookmark"},
                                    {kCmdDelete, "&Delete Bookmark"},
                                    kSeparator,
                                    kNewFolder,
                                    kSeparator,
                                    {kCmdProperties, "&Properties"}}));
}

TEST_F(ContextMenu, OnlyAFolderWithoutChildrenOffersDelete) {
  const std::vector<MenuEntry> withChildren{{kCmdRename, "&Rename Folder"}, kSeparator, kNewFolder};
  EXPECT_EQ(rightClick("Root Folder/Full"), withChildren);
  // Bookmarks count as children too: only an empty folder can be deleted.
  EXPECT_EQ(rightClick("Root Folder/OnlyMarks"), withChildren);
  EXPECT_EQ(
      rightClick("Root Folder/Empty"),
      (std::vector<MenuEntry>{
          {kCmdRename, "&Rename Folder"}, {kCmdDelete, "&Delete Folder"}, kSeparator, kNewFolder}));
}

TEST_F(ContextMenu, ALockedFolderAndTheRootOfferOnlyNewFolder) {
  const TreeItem locked = item("Root Folder/Locked");
  EXPECT_EQ(view.tree().image(locked), kImageLockedFolder);
  EXPECT_FALSE(view.tree().hasChildren(locked));  // no Delete even though it is empty
  EXPECT_EQ(rightClick("Root Folder/Locked"), std::vector<MenuEntry>{kNewFolder});
  EXPECT_EQ(rightClick("Root Folder"), std::vector<MenuEntry>{kNewFolder});
}

TEST_F(ContextMenu, TheHitItemBecomesTheSelectedAndCurrentItem) {
  const TreeItem full = item("Root Folder/Full");
  view.OnRightClick({full, kHitOnIcon});
  EXPECT_EQ(view.tree().selected(), full);
  EXPECT_EQ(view.currentItem(), full);
}

TEST_F(ContextMenu, ARightClickOnNothingShowsNoMenuAndKeepsTheSelection) {
  const TreeItem before = view.tree().selected();
  EXPECT_TRUE(view.OnRightClick({kNoItem, kHitBelow}).empty());
  EXPECT_TRUE(view.OnRightClick({kNoItem, kHitNowhere}).empty());
  EXPECT_EQ(view.tree().selected(), before);
  EXPECT_EQ(view.currentItem(), before);
}

TEST_F(ContextMenu, DoubleClickOpensPropertiesOnlyForABookmarkHitOnItsIconLabelOrBox) {
  const TreeItem mark = item("Root Folder/OnlyMarks/mark");
  // Places that are not the item itself, and folders, open nothing.
  view.OnDoubleClick({mark, kHitOnIndent});
  view.OnDoubleClick({mark, kHitOnRight});
  view.OnDoubleClick({item("Root Folder/Empty"), kHitOnLabel});
  view.OnDoubleClick({kNoItem, kHitBelow});
  EXPECT_EQ(ui.dialogsShown, 0);

  for (unsigned flags : {kHitOnIcon, kHitOnLabel, kHitOnStateIcon}) {
    view.tree().select(view.tree().root());
    std::string shown;
    ui.onDialog<DialogModel>([&](DialogModel&) {
      shown = view.tree().label(view.tree().selected());
      return false;  // Cancel
    });
    view.OnDoubleClick({mark, flags});
    EXPECT_EQ(shown, "mark") << flags;  // the dialog is about the bookmark that was hit
  }
  EXPECT_EQ(ui.dialogsShown, 3);
  EXPECT_FALSE(doc.isModified());
}

}  // namespace
}  // namespace linkfold::test
