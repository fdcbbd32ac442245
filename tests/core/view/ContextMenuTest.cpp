#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

// Root: Full (a sub-folder and a bookmark), OnlyMarks (a bookmark), Empty, Locked (locked and
// empty), a bookmark.
class ContextMenu : public ViewTest {
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
};

TEST_F(ContextMenu, TheMenuDependsOnTheKindOfItemAndSelectsIt) {
  const MenuEntry separator{kCmdSeparator, ""}, newFolder{kCmdNewFolder, "&New folder"};
  const std::vector<MenuEntry> withChildren{{kCmdRename, "&Rename Folder"}, separator, newFolder};
  const struct {
    const char* path;
    std::vector<MenuEntry> menu;
  } cases[] = {
      {"top",
       {{kCmdRename, "&Rename Bookmark"},
        {kCmdDelete, "&Delete Bookmark"},
        separator,
        newFolder,
        separator,
        {kCmdProperties, "&Properties"}}},
      {"Full", withChildren},
      {"OnlyMarks", withChildren},  // bookmarks count as children: only empty folders go
      {"Empty",
       {{kCmdRename, "&Rename Folder"}, {kCmdDelete, "&Delete Folder"}, separator, newFolder}},
      {"Locked", {newFolder}},  // no Delete even though it is empty
      {"", {newFolder}},        // the root
  };
  for (const auto& c : cases) {
    const std::string path = *c.path ? std::string("Root Folder/") + c.path : "Root Folder";
    EXPECT_EQ(view.OnRightClick({item(path), kHitOnLabel}), c.menu) << path;
    EXPECT_EQ(view.tree().selected(), item(path));
    EXPECT_EQ(view.currentItem(), item(path));
  }
  // Nothing hit, or an item gone since: no menu, and the selection stays.
  for (TreeItem nothing : {kNoItem, deadItem()})
    EXPECT_TRUE(view.OnRightClick({nothing, kHitOnLabel}).empty());
  EXPECT_EQ(view.tree().selected(), view.tree().root());
}

TEST_F(ContextMenu, DoubleClickOpensPropertiesOnlyForABookmarkHitOnItsIconLabelOrBox) {
  const TreeItem mark = item("Root Folder/OnlyMarks/mark");
  view.OnDoubleClick({mark, kHitOnIndent});
  view.OnDoubleClick({mark, kHitOnRight});
  view.OnDoubleClick({item("Root Folder/Empty"), kHitOnLabel});
  view.OnDoubleClick({kNoItem, kHitBelow});
  view.OnDoubleClick({deadItem(), kHitOnLabel});
  EXPECT_EQ(ui.dialogsShown, 0);
  for (unsigned flags : {kHitOnIcon, kHitOnLabel, kHitOnStateIcon}) {
    view.tree().select(view.tree().root());
    ui.onDialog<CPropertiesDlg>([](CPropertiesDlg& dialog) {
      EXPECT_EQ(dialog.name, "mark");  // the dialog is about the bookmark that was hit
      return false;
    });
    view.OnDoubleClick({mark, flags});
  }
  EXPECT_EQ(ui.dialogsShown, 3);
  EXPECT_FALSE(doc.isModified());
}

}  // namespace
}  // namespace linkfold::test
