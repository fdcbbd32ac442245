#pragma once
// A library with its tree view, wired to the scripted UI and in-memory settings, with helpers
// that drive the view and check that tree and library are still in step.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/library/LibraryFixture.h"
#include "support/TreeItems.h"
#include "view/CLFView.h"
#include "view/EditDialogs.h"

namespace linkfold::test {

// What the tree asked the display to expand and to scroll into view.
struct TreeLog : TreeObserver {
  void expansionChanged(TreeItem item, bool) override { expanded.push_back(item); }
  void scrollIntoView(TreeItem item) override { scrolled.push_back(item); }
  bool scrolledTo(TreeItem item) const {
    return std::find(scrolled.begin(), scrolled.end(), item) != scrolled.end();
  }
  std::vector<TreeItem> expanded, scrolled;
};

// Every item's data names the library entry its label shows, in the folder its parent item
// names; every folder item's check box shows its folder's state, a bookmark item has none; the
// tree holds every entry.
inline void expectTreeMatchesLibrary(const CLFView& view, const CLFDoc& doc) {
  const CSortedTreeCtrl& tree = view.tree();
  std::size_t folders = 0, bookmarks = 0;
  for (std::vector<TreeItem> pending{tree.root()}; !pending.empty();) {
    const TreeItem i = pending.back();
    pending.pop_back();
    const std::uint32_t data = tree.data(i), parent = tree.data(tree.parent(i));
    EXPECT_EQ(tree.selectedImage(i), tree.image(i)) << tree.label(i);
    if (view.IsBookmarkItem(i)) {
      ++bookmarks;
      ASSERT_LT(data, doc.bookmarkCount());
      EXPECT_EQ(doc.bookmark(data).name, tree.label(i));
      EXPECT_EQ(doc.bookmark(data).folder, parent) << tree.label(i);
      EXPECT_EQ(tree.state(i), 0u) << tree.label(i);  // no check box
      continue;
    }
    ++folders;
    ASSERT_LT(data, doc.folderCount());
    EXPECT_EQ(CLFDoc::folderDisplayName(doc.folder(data).path), tree.label(i));
    EXPECT_EQ(doc.folder(data).selection, tree.state(i)) << tree.label(i);
    EXPECT_EQ(data == 0 ? 0 : doc.folder(data).parent, parent) << tree.label(i);
    pending.insert(pending.end(), tree.children(i).begin(), tree.children(i).end());
  }
  EXPECT_EQ(folders, doc.folderCount());
  EXPECT_EQ(bookmarks, doc.bookmarkCount());
}

struct ViewTest : ::testing::Test, LibraryFixture {
  explicit ViewTest(BrowserDetection browsers = {}) : LibraryFixture(std::move(browsers)) {
    EXPECT_TRUE(doc.addFolder("\\", true));
    view.tree().addObserver(&treeLog);
  }
  ~ViewTest() override { view.tree().removeObserver(&treeLog); }

  // Root: A (Sub holding deep; alpha, Beta, gamma), B (beta2, zulu), C, L (locked) and the
  // bookmark top. Folder indexes A 1, Sub 2, B 3, C 4, L 5; bookmark indexes in that order.
  void buildLibrary() {
    for (const char* path : {"A\\", "A\\Sub\\", "B\\", "C\\"}) folder(path);
    ASSERT_TRUE(doc.addFolder("L\\", true));
    const std::pair<std::uint32_t, const char*> marks[] = {{1, "alpha"}, {1, "Beta"},  {1, "gamma"},
                                                           {2, "deep"},  {3, "beta2"}, {3, "zulu"},
                                                           {0, "top"}};
    for (const auto& [f, name] : marks) bookmark(f, name, "http://" + std::string(name) + "/");
    view.OnUpdate();
  }

  // The item reached from the root item by labels separated by "/"; "" is the root itself.
  TreeItem item(const std::string& path) {
    const TreeItem current = itemAt(view.tree(), path);
    if (current == kNoItem) ADD_FAILURE() << "no item " << path;
    return current;
  }
  TreeItem select(const std::string& path) {
    view.tree().select(item(path));
    return view.tree().selected();
  }
  // A handle whose item has gone.
  TreeItem deadItem() {
    const TreeItem gone = view.tree().InsertSorted(view.tree().root(), {"gone"});
    view.tree().deleteItem(gone);
    return gone;
  }
  // The labels of the item's children: "a|b|".
  std::string labels(const std::string& path) {
    std::string out;
    for (TreeItem c : view.tree().children(item(path))) out += view.tree().label(c) + "|";
    return out;
  }

  // The whole tree on one line: "F label", "L label" (locked) or "B label", folders with their
  // check box state after a colon and their children in braces: "L Root Folder:2{F A:2, B x}".
  std::string outline(TreeItem i = kNoItem) const {
    const auto& tree = view.tree();
    if (i == kNoItem) return tree.root() == kNoItem ? "" : outline(tree.root());
    const int image = tree.image(i);
    std::string out = image == kImageBookmark ? "B " : image == kImageLockedFolder ? "L " : "F ";
    out += tree.label(i);
    if (image != kImageBookmark) out += ":" + std::to_string(tree.state(i));
    const char* separator = "{";
    for (TreeItem c : tree.children(i)) out += std::exchange(separator, ", ") + outline(c);
    return tree.hasChildren(i) ? out + "}" : out;
  }

  void expectTreeMatchesLibrary() { test::expectTreeMatchesLibrary(view, doc); }

  CLFView view{doc, ui, settings};
  TreeLog treeLog;
};

}  // namespace linkfold::test
