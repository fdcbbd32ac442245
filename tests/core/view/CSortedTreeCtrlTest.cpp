#include <gtest/gtest.h>

#include <random>

#include "view/CSortedTreeCtrl.h"

namespace linkfold {
namespace {

TreeItemFields folder(std::string label) {
  return {std::move(label), kImageFolder, kImageFolder, 2, 0};
}
TreeItemFields bookmark(std::string label, std::uint32_t data = 0) {
  return {std::move(label), kImageBookmark, kImageBookmark, 0, data};
}

class SortedTree : public ::testing::Test {
 protected:
  std::string labels(TreeItem parent) const {
    std::string out;
    for (TreeItem c : tree.children(parent)) out += tree.label(c) + "|";
    return out;
  }
  CSortedTreeCtrl tree;
  TreeItem root = tree.InsertSorted(kNoItem, folder("Root Folder"));
};

TEST_F(SortedTree, FoldersFirstThenBookmarksIgnoringCaseAndEqualLabelsInInsertionOrder) {
  for (const char* name : {"Alpha", "Banana", "apple", "_misc", "ALPHA"})
    tree.InsertSorted(root, bookmark(name));
  tree.InsertSorted(root, folder("Zeta"));
  tree.InsertSorted(root, folder("beta"));
  // The underscore sorts before every letter, because letters are folded to lower case.
  EXPECT_EQ(labels(root), "beta|Zeta|_misc|Alpha|ALPHA|apple|Banana|");
}

// The view's tests cover labels alike in their first 259 ASCII characters.
TEST_F(SortedTree, OnlyTheFirst259CharactersAreCompared) {
  std::string common;
  for (int i = 0; i < 259; ++i) common += "\xC3\xA9";  // characters count, not bytes
  tree.InsertSorted(root, bookmark(common + "b"));
  tree.InsertSorted(root, bookmark(common + "a"));  // equal in 259 characters: after
  EXPECT_EQ(labels(root), common + "b|" + common + "a|");
}

// The sorted insertion must find the place the old linear walk found, also after labels were
// changed in place and items put first out of order. A model does the walk literally.
TEST_F(SortedTree, SortedInsertionMatchesTheLinearWalkUnderRandomEdits) {
  std::mt19937 random(12345);
  const char* names[] = {"a", "B", "c", "_x", "b", "A", "zz", "Zz", "m"};
  const auto pick = [&] { return std::string(names[random() % 9]); };
  for (int step = 0; step < 3000; ++step) {
    const auto& list = tree.children(root);
    const int action = static_cast<int>(random() % 10);
    if (action < 5 || list.empty()) {
      const TreeItemFields f = random() % 3 ? bookmark(pick()) : folder(pick());
      std::size_t expected = 0;
      while (expected < list.size() && !sortsAfter(tree.fields(list[expected]), f)) ++expected;
      ASSERT_EQ(tree.row(tree.InsertSorted(root, f)), expected) << "step " << step;
    } else if (action < 7) {
      tree.setLabel(list[random() % list.size()], pick());
    } else if (action < 8) {
      tree.InsertSorted(root, InsertPosition::first(), bookmark(pick()));
    } else {
      tree.deleteItem(list[random() % list.size()]);
    }
  }
}

TEST_F(SortedTree, VisibleOrderFollowsExpansionAndEnsureVisibleExpandsEveryAncestor) {
  const TreeItem f1 = tree.InsertSorted(root, folder("F1"));
  const TreeItem f2 = tree.InsertSorted(root, folder("F2"));
  const TreeItem inner = tree.InsertSorted(f1, folder("inner"));
  const TreeItem leaf = tree.InsertSorted(inner, bookmark("leaf"));
  tree.expand(root, CSortedTreeCtrl::Expand::Expand);
  EXPECT_TRUE(tree.nextVisible(f1) == f2 && tree.prevVisible(f2) == f1);
  tree.ensureVisible(leaf);
  EXPECT_TRUE(tree.isExpanded(f1) && tree.isExpanded(inner) && !tree.isExpanded(leaf));
  EXPECT_EQ((std::vector{tree.nextVisible(f1), tree.nextVisible(leaf), tree.prevVisible(f2),
                         tree.prevVisible(f1), tree.nextVisible(f2)}),
            (std::vector<TreeItem>{inner, f2, leaf, root, kNoItem}));
}

TEST_F(SortedTree, DeletingTheSelectionMovesItToANeighbourOrTheParent) {
  const TreeItem f = tree.InsertSorted(root, folder("F"));
  const TreeItem x = tree.InsertSorted(f, bookmark("x"));
  const TreeItem y = tree.InsertSorted(f, bookmark("y"));
  tree.select(x);
  tree.deleteItem(x);
  EXPECT_EQ(tree.selected(), y);
  tree.deleteItem(y);
  EXPECT_EQ(tree.selected(), f);
  tree.select(tree.InsertSorted(f, bookmark("z")));
  tree.deleteItem(f);  // the selection was inside the deleted subtree
  EXPECT_EQ(tree.selected(), root);
  EXPECT_EQ(tree.itemCount(), 1u);
}

// A handle kept after its item went names nothing, also once another item has taken its
// slot, and is harmless wherever it is passed.
TEST_F(SortedTree, AHandleOfADeletedItemNamesNoItem) {
  const TreeItem gone = tree.InsertSorted(root, bookmark("gone", 7));
  tree.deleteItem(gone);
  const TreeItem reused = tree.InsertSorted(root, bookmark("new", 8));
  EXPECT_FALSE(tree.exists(gone));
  tree.setLabel(gone, "changed");
  tree.setData(gone, 9);
  tree.setState(gone, 1);
  for (auto call : {&CSortedTreeCtrl::select, &CSortedTreeCtrl::setDropHighlight,
                    &CSortedTreeCtrl::ensureVisible, &CSortedTreeCtrl::deleteItem})
    (tree.*call)(gone);
  EXPECT_TRUE(tree.label(reused) == "new" && tree.data(reused) == 8 && tree.state(reused) == 0);
  EXPECT_TRUE(tree.selected() == kNoItem && tree.dropHighlight() == kNoItem);
  EXPECT_TRUE(tree.parent(gone) == kNoItem && tree.label(gone).empty() &&
              tree.children(gone).empty());
  for (auto step : {&CSortedTreeCtrl::nextSibling, &CSortedTreeCtrl::prevSibling,
                    &CSortedTreeCtrl::nextVisible, &CSortedTreeCtrl::prevVisible})
    EXPECT_EQ((tree.*step)(gone), kNoItem);
  EXPECT_EQ(tree.InsertSorted(gone, bookmark("orphan")), kNoItem);
  EXPECT_EQ(tree.itemCount(), 2u);
  // Emptying the tree retires every handle too, though the slots are used again.
  tree.deleteAllItems();
  EXPECT_NE(tree.InsertSorted(kNoItem, folder("Root Folder")), root);
  EXPECT_FALSE(tree.exists(root) || tree.exists(reused));
}

TEST_F(SortedTree, InsertionIsRefusedBeyondTheLimitAndAVeryDeepSubtreeIsDeleted) {
  TreeItem parent = root;
  for (int depth = 0; depth < 300000; ++depth) parent = tree.InsertSorted(parent, folder("d"));
  tree.setItemLimit(tree.itemCount());
  EXPECT_EQ(tree.InsertSorted(root, bookmark("one")), kNoItem);
  tree.deleteItem(tree.firstChild(root));
  EXPECT_EQ(tree.itemCount(), 1u);
  EXPECT_NE(tree.InsertSorted(root, bookmark("one")), kNoItem);
}

// The display hears of every change, with the rows, before it is made.
struct Recorder : TreeObserver {
  explicit Recorder(const CSortedTreeCtrl& t) : tree(t) {}
  void aboutToInsert(TreeItem p, std::size_t row) override { add("+", p, row); }
  void aboutToRemove(TreeItem p, std::size_t row) override { add("-", p, row); }
  void changed(TreeItem item) override { add("~", item); }
  void selectionChanged(TreeItem item) override { add("select ", item); }
  void aboutToReset() override { events += "reset< "; }
  void reset() override { events += ">reset "; }
  void add(const char* what, TreeItem item, std::size_t row = 0) {
    events += what + tree.label(item) + "@" + std::to_string(row) + " ";
  }
  const CSortedTreeCtrl& tree;
  std::string events;
};

// A rebuild is announced as one reset with no items inside; then every change is heard again.
TEST_F(SortedTree, ObserversHearARebuildAsOneResetAndRowsBeforeTheChange) {
  Recorder recorder(tree);
  tree.addObserver(&recorder);
  {
    const CSortedTreeCtrl::Rebuild outer(tree);
    {
      const CSortedTreeCtrl::Rebuild inner(tree);
      tree.deleteAllItems();
      const TreeItem r = tree.InsertSorted(kNoItem, folder("R"));
      tree.setState(r, 1);
      tree.deleteItem(tree.InsertSorted(r, bookmark("b")));
    }
    recorder.events += "| ";
  }
  const TreeItem b = tree.InsertSorted(tree.root(), bookmark("b"));
  tree.InsertSorted(tree.root(), bookmark("a"));
  tree.setState(b, 3);
  tree.select(b);
  tree.deleteItem(b);
  tree.removeObserver(&recorder);
  EXPECT_EQ(recorder.events, "reset< | >reset +R@0 +R@0 ~b@0 select b@0 -R@1 select a@0 ");
}

}  // namespace
}  // namespace linkfold
