#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

class FillTree : public ::testing::Test, public ViewFixture {};

std::string childLabels(const CSortedTreeCtrl& tree, TreeItem parent) {
  std::string out;
  for (TreeItem c : tree.children(parent)) out += tree.label(c) + "|";
  return out;
}

TEST_F(FillTree, FoldersComeBeforeBookmarksEachInCaseInsensitiveOrder) {
  bookmark(0, "Banana", "http://b/");
  bookmark(0, "Alpha", "http://a/");
  bookmark(0, "apple", "http://ap/");
  bookmark(0, "_misc", "http://m/");
  folder("Zeta\\");
  folder("beta\\");
  view.OnUpdate();
  // The underscore sorts before every letter, because letters are folded to lower case.
  EXPECT_EQ(childLabels(view.tree(), view.tree().root()), "beta|Zeta|_misc|Alpha|apple|Banana|");
}

TEST_F(FillTree, NamesEqualIgnoringCaseKeepTheirTableOrderThroughRebuilds) {
  const auto f = folder("F\\");
  bookmark(f, "same", "http://2/");
  bookmark(f, "SAME", "http://1/");
  bookmark(f, "Same", "http://3/");
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
  const auto shut = *doc.findFolder("Open\\Shut\\");
  const auto off = folder("Off\\");
  doc.setFolderSelection(off, kNotSelected);
  doc.setFolderSelection(open, kPartlySelected);
  const auto mark = bookmark(shut, "inside", "http://i/");
  view.OnUpdate();

  EXPECT_EQ(outline(),
            "L Root Folder:2\n"
            "  F Off:1\n"
            "  F Open:3\n"
            "    L Shut:2\n"
            "      B inside\n");
  const auto& tree = view.tree();
  const TreeItem shutItem = item("Root Folder/Open/Shut");
  EXPECT_EQ(tree.selectedImage(shutItem), kImageLockedFolder);
  EXPECT_EQ(tree.data(shutItem), shut);
  EXPECT_EQ(tree.data(item("Root Folder/Off")), off);
  const TreeItem markItem = item("Root Folder/Open/Shut/inside");
  EXPECT_EQ(tree.selectedImage(markItem), kImageBookmark);
  EXPECT_EQ(tree.state(markItem), 0u);
  EXPECT_EQ(tree.data(markItem), mark);
  // Every folder was marked listed while the tree was filled.
  for (const FolderEntry& f : doc.folders()) EXPECT_EQ(f.listed, 1u) << f.path;
}

TEST_F(FillTree, AfterARebuildOnlyTheRootIsExpandedAndCurrent) {
  folder("A\\B\\");
  bookmark(0, "top", "http://t/");
  view.OnUpdate();
  view.tree().expand(item("Root Folder/A"), CSortedTreeCtrl::Expand::Expand);
  view.tree().select(item("Root Folder/A/B"));
  ASSERT_EQ(view.currentItem(), item("Root Folder/A/B"));

  view.OnUpdate();
  const TreeItem root = view.tree().root();
  EXPECT_EQ(view.currentItem(), root);
  EXPECT_EQ(view.tree().selected(), root);
  EXPECT_TRUE(view.tree().isExpanded(root));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/A")));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/A/B")));
  EXPECT_EQ(ui.waitCursorDepth, 0);
  EXPECT_GT(ui.waitCursorShown, 0);
}

TEST_F(FillTree, AnEmptyLibraryGivesAnEmptyTreeWithoutCurrentItemOrMessage) {
  view.OnUpdate();
  doc.DeleteContents();
  view.OnUpdate();
  EXPECT_EQ(view.tree().itemCount(), 0u);
  EXPECT_EQ(view.currentItem(), kNoItem);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FillTree, ADeepLibraryFillsCompletely) {
  constexpr int kDepth = 5000;
  std::string path;
  for (int i = 0; i < kDepth; ++i) path += "d\\";
  const auto deepest = folder(path);
  bookmark(0, "first", "http://first/");
  bookmark(deepest, "bottom", "http://bottom/");
  view.OnUpdate();
  EXPECT_EQ(view.tree().itemCount(), static_cast<std::size_t>(kDepth) + 3);
  TreeItem i = view.tree().root();
  int depth = 0;
  while (view.tree().hasChildren(i)) {
    ASSERT_LE(view.tree().children(i).size(), depth == 0 ? 2u : 1u);
    i = view.tree().firstChild(i);
    ++depth;
  }
  EXPECT_EQ(depth, kDepth + 1);
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

TEST(ViewLifetime, TheThreeFlagsAreWrittenWhenTheViewEnds) {
  FakeUi ui;
  InMemorySettings settings;
  settings.write(setting::kScrollRate, 40);
  CLFDoc doc(ui, settings, std::string());
  {
    CLFView view(doc, ui, settings);
    view.options().toggle(ViewToggle::ConfirmBookmarkDelete);
    view.options().toggle(ViewToggle::Follow);
    view.options().scrollDelay = 70;
    EXPECT_FALSE(settings.contains(setting::kFollow.name));
  }
  EXPECT_EQ(settings.read(setting::kConfirmBookmarkDel), 0);
  EXPECT_EQ(settings.read(setting::kConfirmFolderDel), 1);
  EXPECT_EQ(settings.read(setting::kFollow), 1);
  EXPECT_EQ(settings.read(setting::kScrollRate), 40);  // written only by its own command
}

}  // namespace linkfold::test
