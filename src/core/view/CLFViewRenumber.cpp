// Keeping the items' data in step with the library after a bookmark or a folder was removed
// from its table, which moves every later index down by one.

#include <algorithm>
#include <vector>

#include "view/CLFView.h"

namespace linkfold {

namespace {

// The index once the removed ones are gone: lowered by the number removed below it.
std::uint32_t indexAfterRemoval(std::uint32_t index, const std::vector<std::uint32_t>& removed) {
  const auto below = std::lower_bound(removed.begin(), removed.end(), index) - removed.begin();
  return index - static_cast<std::uint32_t>(below);
}

void lowerIfAtOrAbove(CSortedTreeCtrl& tree, TreeItem item, std::uint32_t removed) {
  if (tree.data(item) >= removed) tree.setData(item, tree.data(item) - 1);
}

}  // namespace

void CLFView::RenumberBookmarkItems(TreeItem start, std::uint32_t removed) {
  // Everything below `start`: folder items are walked, all other items carry bookmark indexes.
  if (!tree_.exists(start)) return;
  std::vector<TreeItem> folders{start};
  while (!folders.empty()) {
    const TreeItem folder = folders.back();
    folders.pop_back();
    for (TreeItem child : tree_.children(folder)) {
      if (IsFolderItem(child))
        folders.push_back(child);
      else
        lowerIfAtOrAbove(tree_, child, removed);
    }
  }
}

void CLFView::RenumberFolderItems(TreeItem start, std::uint32_t removed) {
  // `start` and its following siblings, each with everything below it; bookmark items carry
  // bookmark indexes and are left alone.
  if (!tree_.exists(start)) return;
  std::vector<TreeItem> pending;
  for (TreeItem item = start; item != kNoItem; item = tree_.nextSibling(item))
    pending.push_back(item);
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    if (IsBookmarkItem(item)) continue;
    lowerIfAtOrAbove(tree_, item, removed);
    for (TreeItem child : tree_.children(item)) pending.push_back(child);
  }
}

void CLFView::RenumberAllItems(const std::vector<std::uint32_t>& removedFolders,
                               const std::vector<std::uint32_t>& removedBookmarks) {
  std::vector<TreeItem> pending;
  if (tree_.root() != kNoItem) pending.push_back(tree_.root());
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    const bool bookmark = IsBookmarkItem(item);
    tree_.setData(
        item, indexAfterRemoval(tree_.data(item), bookmark ? removedBookmarks : removedFolders));
    if (!bookmark)
      for (TreeItem child : tree_.children(item)) pending.push_back(child);
  }
}

}  // namespace linkfold
