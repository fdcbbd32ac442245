#include <gtest/gtest.h>

#include <random>

#include "view/CSortedTreeCtrl.h"

namespace linkfold {
namespace {

TreeItemFields folder(std::string label) { return {std::move(label), kImageFolder, kImageFolder, 2, 0}; }
TreeItemFields bookmark(std::string label, std::uint32_t data = 0) {
  return {std::move(label), kImageBookmark, kImageBookmark, 0, data};
}

std::string labels(const CSortedTreeCtrl& tree, TreeItem parent) {
  std::string out;
  for (TreeItem c : tree.children(parent)) out += tree.label(c) + "|";
  return out;
}

class SortedTree : public ::testing::Test {
 protected:
  CSortedTreeCtrl tree;
  TreeItem root = tree.InsertSorted(kNoItem, folder("Root Folder"));
};

TEST_F(SortedTree, FoldersComeFirstThenBookmarksEachInCaseInsensitiveOrder) {
  tree.InsertSorted(root, bookmark("Alpha"));
  tree.InsertSorted(root, folder("Zeta"));
  tree.InsertSorted(root, bookmark("Banana"));
  tree.InsertSorted(root, bookmark("apple"));
  tree.InsertSorted(root, bookmark("_misc"));
  tree.InsertSorted(root, folder("beta"));
  EXPECT_EQ(labels(tree, root), "beta|Zeta|_misc|Alpha|apple|Banana|");
}

TEST_F(SortedTree, AnItemGoesAfterItemsWithEqualLabels) {
  const TreeItem first = tree.InsertSorted(root, bookmark("same", 1));
  const TreeItem second = tree.InsertSorted(root, bookmark("SAME", 2));
  const TreeItem third = tree.InsertSorted(root, bookmark("Same", 3));
  EXPECT_EQ(tree.children(root), (std::vector<TreeItem>{first, second, third}));
}

TEST_F(SortedTree, OnlyTheFirst259CharactersAreCompared) {
  const std::string common(259, 'k');
  const TreeItem a = tree.InsertSorted(root, bookmark(common + "b"));
  const TreeItem b = tree.InsertSorted(root, bookmark(common + "a"));  // equal in 259: after
  EXPECT_EQ(tree.children(root), (std::vector<TreeItem>{a, b}));
  // Characters, not bytes: 259 two-byte characters and then a difference.
  const std::string wide = [] {
    std::string s;
    for (int i = 0; i < 259; ++i) s += "\xC3\xA9";
    return s;
  }();
  const TreeItem c = tree.InsertSorted(a, bookmark(wide + "z"));
  const TreeItem d = tree.InsertSorted(a, bookmark(wide + "a"));
  EXPECT_EQ(tree.children(a), (std::vector<TreeItem>{c, d}));
}

// The sorted insertion must find the place the old linear walk found, also after labels were
// changed in place and positions given explicitly. A model does the walk literally.
TEST_F(SortedTree, SortedInsertionMatchesTheLinearWalkUnderRandomEdits) {
  std::mt19937 random(12345);
  const char* names[] = {"a", "B", "c", "_x", "b", "A", "zz", "Zz", "m"};
  const auto pick = [&] { return std::string(names[random() % 9]); };
  const auto linearPlace = [&](const TreeItemFields& f) {
    const auto& list = tree.children(root);
    std::size_t i = 0;
    while (i < list.size() && !sortsAfter(tree.fields(list[i]), f)) ++i;
    return i;
  };
  for (int step = 0; step < 3000; ++step) {
    const auto& list = tree.children(root);
    const int action = static_cast<int>(random() % 10);
    if (action < 5 || list.empty()) {
      const TreeItemFields f = random() % 3 ? bookmark(pick()) : folder(pick());
      const std::size_t expected = linearPlace(f);
      const TreeItem item = tree.InsertSorted(root, f);
      ASSERT_EQ(tree.row(item), expected) << "step " << step;
    } else if (action < 7) {
      tree.setLabel(list[random() % list.size()], pick());
    } else if (action < 8) {
      tree.InsertSorted(root, InsertPosition::first(), bookmark(pick()));
    } else {
      tree.deleteItem(list[random() % list.size()]);
    }
  }
}

TEST_F(SortedTree, NavigationAndVisibleOrder) {
  const TreeItem f1 = tree.InsertSorted(root, folder("F1"));
  const TreeItem f2 = tree.InsertSorted(root, folder("F2"));
  const TreeItem inner = tree.InsertSorted(f1, bookmark("inner"));
  const TreeItem b = tree.InsertSorted(root, bookmark("b"));
  tree.expand(root, CSortedTreeCtrl::Expand::Expand);
  EXPECT_EQ(tree.root(), root);
  EXPECT_EQ(tree.firstChild(root), f1);
  EXPECT_EQ(tree.nextSibling(f1), f2);
  EXPECT_EQ(tree.prevSibling(f2), f1);
  EXPECT_EQ(tree.prevSibling(f1), kNoItem);
  EXPECT_EQ(tree.parent(inner), f1);
  // F1 collapsed: its child is not visible.
  EXPECT_EQ(tree.nextVisible(f1), f2);
  EXPECT_EQ(tree.prevVisible(f2), f1);
  tree.expand(f1, CSortedTreeCtrl::Expand::Expand);
  EXPECT_EQ(tree.nextVisible(f1), inner);
  EXPECT_EQ(tree.nextVisible(inner), f2);
  EXPECT_EQ(tree.prevVisible(f2), inner);
  EXPECT_EQ(tree.prevVisible(f1), root);
  EXPECT_EQ(tree.nextVisible(b), kNoItem);
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
  const TreeItem z = tree.InsertSorted(f, bookmark("z"));
  tree.select(z);
  tree.deleteItem(f);  // the selection was inside the deleted subtree
  EXPECT_EQ(tree.selected(), root);
  EXPECT_FALSE(tree.exists(z));
  EXPECT_EQ(tree.itemCount(), 1u);
}

TEST_F(SortedTree, EnsureVisibleExpandsEveryAncestor) {
  const TreeItem a = tree.InsertSorted(root, folder("A"));
  const TreeItem b = tree.InsertSorted(a, folder("B"));
  const TreeItem leaf = tree.InsertSorted(b, bookmark("leaf"));
  tree.ensureVisible(leaf);
  EXPECT_TRUE(tree.isExpanded(root));
  EXPECT_TRUE(tree.isExpanded(a));
  EXPECT_TRUE(tree.isExpanded(b));
  EXPECT_FALSE(tree.isExpanded(leaf));
}

TEST_F(SortedTree, InsertionIsRefusedBeyondTheLimitOrUnderAMissingParent) {
  tree.setItemLimit(2);
  EXPECT_NE(tree.InsertSorted(root, bookmark("one")), kNoItem);
  EXPECT_EQ(tree.InsertSorted(root, bookmark("two")), kNoItem);
  EXPECT_EQ(tree.InsertSorted(999, bookmark("orphan")), kNoItem);
}

struct Recorder : TreeObserver {
  std::vector<std::string> events;
  void aboutToInsert(TreeItem p, std::size_t row) override {
    events.push_back("+" + std::to_string(p) + "@" + std::to_string(row));
  }
  void aboutToRemove(TreeItem p, std::size_t row) override {
    events.push_back("-" + std::to_string(p) + "@" + std::to_string(row));
  }
  void changed(TreeItem item) override { events.push_back("~" + std::to_string(item)); }
  void selectionChanged(TreeItem item) override { events.push_back("sel" + std::to_string(item)); }
};

TEST_F(SortedTree, ObserversHearRowsBeforeTheChange) {
  Recorder recorder;
  tree.addObserver(&recorder);
  const TreeItem b = tree.InsertSorted(root, bookmark("b"));
  tree.InsertSorted(root, bookmark("a"));
  tree.setState(b, 3);
  tree.select(b);
  tree.deleteItem(b);
  tree.removeObserver(&recorder);
  const std::string r = std::to_string(root), bs = std::to_string(b);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"+" + r + "@0", "+" + r + "@0", "~" + bs,
                                                       "sel" + bs, "-" + r + "@1",
                                                       "sel" + std::to_string(tree.firstChild(root))}));
}

}  // namespace
}  // namespace linkfold
