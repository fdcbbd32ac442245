#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

using FillTree = ViewTest;

TEST_F(FillTree, NamesEqualIgnoringCaseKeepTheirTableOrderThroughRebuilds) {
  const auto f = folder("F\\");
  for (const char* name : {"same", "SAME", "Same"})
    bookmark(f, name, "http://" + std::string(name));
  for (int rebuild = 0; rebuild < 2; ++rebuild) {
    view.OnUpdate();
    const auto& marks = view.tree().children(item("Root Folder/F"));
    ASSERT_EQ(marks.size(), 3u);
    for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(view.tree().data(marks[i]), i) << rebuild;
  }
}

TEST_F(FillTree, ItemsCarryImagesStatesAndIndexesOfTheLibrary) {
  const auto open = folder("Open\\");
  ASSERT_TRUE(doc.addFolder("Open\\Shut\\", true));
  doc.setFolderSelection(folder("Off\\"), kNotSelected);
  doc.setFolderSelection(open, kPartlySelected);
  const auto mark = bookmark(*doc.findFolder("Open\\Shut\\"), "inside", "http://i/");
  view.OnUpdate();
  EXPECT_EQ(outline(), "L Root Folder:2{F Off:1, F Open:3{L Shut:2{B inside}}}");
  expectTreeMatchesLibrary();
  EXPECT_EQ(view.tree().selectedImage(item("Root Folder/Open/Shut")), kImageLockedFolder);
  const TreeItem markItem = item("Root Folder/Open/Shut/inside");
  EXPECT_EQ(view.tree().selectedImage(markItem), kImageBookmark);
  EXPECT_EQ(view.tree().state(markItem), 0u);
  EXPECT_EQ(view.tree().data(markItem), mark);
  for (const FolderEntry& f : doc.folders()) EXPECT_EQ(f.listed, 1u) << f.path;
}

TEST_F(FillTree, AfterARebuildOnlyTheRootIsExpandedAndCurrent) {
  folder("A\\B\\");
  view.OnUpdate();
  view.tree().ensureVisible(item("Root Folder/A/B"));
  view.tree().select(item("Root Folder/A/B"));
  view.OnUpdate();
  const TreeItem root = view.tree().root();
  EXPECT_EQ(view.currentItem(), root);
  EXPECT_TRUE(view.tree().isExpanded(root));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/A")));
  EXPECT_EQ(ui.waitCursorDepth, 0);
  EXPECT_GT(ui.waitCursorShown, 0);
  // An empty library gives an empty tree, without a current item or a message.
  doc.DeleteContents();
  view.OnUpdate();
  EXPECT_EQ(view.tree().itemCount(), 0u);
  EXPECT_EQ(view.currentItem(), kNoItem);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FillTree, ADeepLibraryFillsAndIsWalkedCompletely) {
  constexpr int kDepth = 5000;
  std::string path;
  for (int i = 0; i < kDepth; ++i) path += "d\\";
  const auto deepest = folder(path);
  bookmark(0, "first", "http://first/");
  bookmark(deepest, "bottom", "http://bottom/");
  view.OnUpdate();
  EXPECT_EQ(view.tree().itemCount(), static_cast<std::size_t>(kDepth) + 3);
  TreeItem i = view.tree().firstChild(view.tree().root());
  for (int depth = 0; depth < kDepth; ++depth) i = view.tree().firstChild(i);
  EXPECT_EQ(view.tree().label(i), "bottom");
  // Check boxes and renumbering walk the whole depth too.
  view.tree().select(view.tree().root());
  EXPECT_EQ(view.OnSpaceKey(), 1);
  EXPECT_EQ(doc.folder(deepest).selection, kNotSelected);
  // Selecting the deepest folder selects every ancestor: each one's only sub-folder is selected.
  view.OnClick({view.tree().parent(i), kHitOnStateIcon});
  for (const FolderEntry& f : doc.folders()) ASSERT_EQ(f.selection, kSelected) << f.path;
  doc.removeBookmark(0);
  view.tree().deleteItem(item("Root Folder/first"));
  view.RenumberBookmarkItems(view.tree().root(), 0);
  EXPECT_EQ(view.tree().data(i), 0u);
}

}  // namespace
}  // namespace linkfold::test
