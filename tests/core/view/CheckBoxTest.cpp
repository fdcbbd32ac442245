#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

// Root
//   A          B, C below it, and a bookmark
//   X
//   a bookmark at the top level
class CheckBoxes : public ::testing::Test, public ViewFixture {
 protected:
  void SetUp() override {
    bookmark(folder("A\\B\\"), "inside B", "http://b/");
    folder("A\\C\\");
    bookmark(folder("A\\"), "in A", "http://a/");
    folder("X\\");
    bookmark(0, "top", "http://top/");
    view.OnUpdate();
  }

  void clickBox(const std::string& path) { view.OnClick({item(path), kHitOnStateIcon}); }

  // Every folder item's check box and its folder's selection state must agree.
  void expectLibraryMatchesTree() {
    std::vector<TreeItem> pending{view.tree().root()};
    while (!pending.empty()) {
      const TreeItem i = pending.back();
      pending.pop_back();
      if (view.IsBookmarkItem(i)) continue;
      EXPECT_EQ(view.tree().state(i), doc.folder(view.tree().data(i)).selection)
          << view.tree().label(i);
      for (TreeItem c : view.tree().children(i)) pending.push_back(c);
    }
  }
};

TEST_F(CheckBoxes, ClearingOneSubFolderMakesItsAncestorsPartlySelected) {
  clickBox("Root Folder/A/B");
  EXPECT_EQ(outline(),
            "L Root Folder:3\n"
            "  F A:3\n"
            "    F B:1\n"
            "      B inside B\n"
            "    F C:2\n"
            "    B in A\n"
            "  F X:2\n"
            "  B top\n");
  expectLibraryMatchesTree();
  EXPECT_FALSE(doc.isModified());
}

TEST_F(CheckBoxes, ClickingAGreyBoxClearsTheFolderAndEverythingBelowIt) {
  clickBox("Root Folder/A/B");
  clickBox("Root Folder/A");  // grey: partly selected
  EXPECT_EQ(outline(),
            "L Root Folder:3\n"
            "  F A:1\n"
            "    F B:1\n"
            "      B inside B\n"
            "    F C:1\n"
            "    B in A\n"
            "  F X:2\n"
            "  B top\n");
  expectLibraryMatchesTree();
}

TEST_F(CheckBoxes, ClearingTheLastSelectedSubFolderLeavesTheParentPartlySelected) {
  clickBox("Root Folder/A/B");
  clickBox("Root Folder/A/C");
  // A itself stays selected for export, though none of its sub-folders is.
  EXPECT_EQ(view.tree().state(item("Root Folder/A")), kPartlySelected);
  EXPECT_EQ(doc.folder(view.tree().data(item("Root Folder/A"))).selection, kPartlySelected);
  // Selecting them again makes it wholly selected once more.
  clickBox("Root Folder/A/B");
  clickBox("Root Folder/A/C");
  EXPECT_EQ(view.tree().state(item("Root Folder/A")), kSelected);
  EXPECT_EQ(view.tree().state(view.tree().root()), kSelected);
  expectLibraryMatchesTree();
}

TEST_F(CheckBoxes, SelectingOneSubFolderOfAnUnselectedFolder) {
  view.tree().select(view.tree().root());
  EXPECT_EQ(view.OnSpaceKey(), 1);  // clears everything
  clickBox("Root Folder/A/C");
  EXPECT_EQ(outline(),
            "L Root Folder:3\n"
            "  F A:3\n"
            "    F B:1\n"
            "      B inside B\n"
            "    F C:2\n"
            "    B in A\n"
            "  F X:1\n"
            "  B top\n");
  expectLibraryMatchesTree();
}

TEST_F(CheckBoxes, SpaceOnTheRootClearsOrSelectsTheWholeLibrary) {
  view.tree().select(view.tree().root());
  EXPECT_EQ(view.OnSpaceKey(), 1);
  for (const FolderEntry& f : doc.folders()) EXPECT_EQ(f.selection, kNotSelected) << f.path;
  EXPECT_EQ(view.OnSpaceKey(), 1);
  for (const FolderEntry& f : doc.folders()) EXPECT_EQ(f.selection, kSelected) << f.path;
  expectLibraryMatchesTree();
  EXPECT_FALSE(doc.isModified());
}

TEST_F(CheckBoxes, SpaceIsNotUsedOnABookmarkOrWithoutASelection) {
  const std::string before = outline();
  view.tree().select(item("Root Folder/A/in A"));
  EXPECT_EQ(view.OnSpaceKey(), 0);
  view.tree().select(kNoItem);
  EXPECT_EQ(view.OnSpaceKey(), 0);
  EXPECT_EQ(outline(), before);
}

TEST_F(CheckBoxes, OnlyAClickOnAFolderStateIconToggles) {
  const std::string before = outline();
  const TreeItem a = item("Root Folder/A");
  for (unsigned flags : {kHitOnLabel, kHitOnIcon, kHitOnIndent, kHitOnButton, kHitOnRight})
    view.OnClick({a, flags});
  view.OnClick({kNoItem, kHitBelow});
  // A bookmark has no check box; its item data is not a folder index.
  view.OnClick({item("Root Folder/top"), kHitOnStateIcon});
  EXPECT_EQ(outline(), before);
  for (const FolderEntry& f : doc.folders()) EXPECT_EQ(f.selection, kSelected) << f.path;
  EXPECT_EQ(view.tree().state(item("Root Folder/top")), 0u);
}

TEST_F(CheckBoxes, UpdateParentChecksWalksUpToTheRoot) {
  // States set directly on the items, as a move leaves them, are derived upwards.
  const TreeItem b = item("Root Folder/A/B");
  view.SetFolderCheck(b, false);
  EXPECT_EQ(view.tree().state(item("Root Folder/A")), kSelected);  // not derived yet
  view.UpdateParentChecks(b);
  EXPECT_EQ(view.tree().state(item("Root Folder/A")), kPartlySelected);
  EXPECT_EQ(view.tree().state(view.tree().root()), kPartlySelected);
  expectLibraryMatchesTree();
}

}  // namespace
}  // namespace linkfold::test
