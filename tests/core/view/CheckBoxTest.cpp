#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

// Clicks on check boxes, "" for the Space key on the root, and the tree they leave.
struct CheckCase {
  std::vector<std::string> clicks;
  std::string outline;
};

// Root: A (B holding a bookmark, C, a bookmark), X, a bookmark.
class CheckBoxes : public ViewTest, public ::testing::WithParamInterface<CheckCase> {
 protected:
  void SetUp() override {
    bookmark(folder("A\\B\\"), "inside B", "http://b/");
    folder("A\\C\\");
    bookmark(folder("A\\"), "in A", "http://a/");
    folder("X\\");
    bookmark(0, "top", "http://top/");
    view.OnUpdate();
  }
  void click(const std::string& path) {
    if (!path.empty()) return view.OnClick({item("Root Folder/" + path), kHitOnStateIcon});
    view.tree().select(view.tree().root());
    EXPECT_EQ(view.OnSpaceKey(), 1);
  }
};

TEST_P(CheckBoxes, SetTheFolderAndEverythingBelowThenDeriveTheAncestors) {
  for (const std::string& path : GetParam().clicks) click(path);
  EXPECT_EQ(outline(), GetParam().outline);
  expectTreeMatchesLibrary();
  EXPECT_FALSE(doc.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, CheckBoxes,
    ::testing::Values(
        // Clearing one sub-folder makes its ancestors partly selected.
        CheckCase{{"A/B"},
                  "L Root Folder:3{F A:3{F B:1{B inside B}, F C:2, B in A}, F X:2, B top}"},
        // A grey box is cleared with everything below it.
        CheckCase{{"A/B", "A"},
                  "L Root Folder:3{F A:1{F B:1{B inside B}, F C:1, B in A}, F X:2, B top}"},
        // A folder whose sub-folders are all cleared stays selected, though not wholly.
        CheckCase{{"A/B", "A/C"},
                  "L Root Folder:3{F A:3{F B:1{B inside B}, F C:1, B in A}, F X:2, B top}"},
        CheckCase{{"A/B", "A/C", "A/B", "A/C"},
                  "L Root Folder:2{F A:2{F B:2{B inside B}, F C:2, B in A}, F X:2, B top}"},
        // Space on the root clears the whole library, or selects it again.
        CheckCase{{"", ""},
                  "L Root Folder:2{F A:2{F B:2{B inside B}, F C:2, B in A}, F X:2, B top}"},
        CheckCase{{"", "A/C"},
                  "L Root Folder:3{F A:3{F B:1{B inside B}, F C:2, B in A}, F X:1, B top}"}));

TEST_F(CheckBoxes, ClicksAndKeysThatToggleNothing) {
  click("A/B");  // the root is grey, so a stray write to the root's folder would show
  const std::string before = outline();
  const TreeItem a = item("Root Folder/A");
  for (unsigned flags : {kHitOnLabel, kHitOnIcon, kHitOnIndent, kHitOnButton, kHitOnRight})
    view.OnClick({a, flags});
  view.OnClick({kNoItem, kHitBelow});
  // A bookmark has no check box; its item data is not a folder index.
  view.OnClick({item("Root Folder/top"), kHitOnStateIcon});
  const TreeItem dead = deadItem();
  view.OnClick({dead, kHitOnStateIcon});
  view.SetFolderCheck(dead, true);
  view.UpdateParentChecks(dead);
  view.tree().select(item("Root Folder/A/in A"));
  EXPECT_EQ(view.OnSpaceKey(), 0);
  view.tree().select(kNoItem);
  EXPECT_EQ(view.OnSpaceKey(), 0);
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(view.tree().state(item("Root Folder/top")), 0u);
  expectTreeMatchesLibrary();
}

}  // namespace
}  // namespace linkfold::test
