// The view's filter and the tree state it keeps across rebuilds.

#include <unordered_set>
#include <utility>

#include "library/CLFDoc.h"
#include "view/CLFView.h"

namespace linkfold {

namespace {

// Every folder item of the tree, parents before children. Folders sort before bookmarks, so
// the walk stops at a folder's first bookmark and costs the folders, not the bookmarks.
template <class F>
void forEachFolderItem(const CLFView& view, F&& visit) {
  const CSortedTreeCtrl& tree = view.tree();
  std::vector<TreeItem> pending{tree.root()};
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    if (!view.IsFolderItem(item)) continue;
    visit(item);
    for (const TreeItem child : tree.children(item)) {
      if (view.IsBookmarkItem(child)) break;
      pending.push_back(child);
    }
  }
}

}  // namespace

TreeState CLFView::captureTreeState() const {
  TreeState state;
  forEachFolderItem(*this, [&](TreeItem item) {
    if (tree_.isExpanded(item) && tree_.data(item) < doc_.folderCount())
      state.expandedFolders.push_back(doc_.folder(tree_.data(item)).path);
  });
  const TreeItem selected = tree_.selected();
  const std::uint32_t data = tree_.data(selected);
  if (IsFolderItem(selected) && data < doc_.folderCount()) {
    state.selectedFolder = doc_.folder(data).path;
    state.hasSelection = true;
  } else if (IsBookmarkItem(selected) && data < doc_.bookmarkCount()) {
    const BookmarkRecord& record = doc_.bookmark(data);
    if (record.folder < doc_.folderCount()) {
      state.selectedFolder = doc_.folder(record.folder).path;
      state.selectedBookmark.emplace(record.name, record.url);
      state.hasSelection = true;
    }
  }
  return state;
}

void CLFView::restoreTreeState(const TreeState& state) {
  const std::unordered_set<std::string> expanded(state.expandedFolders.begin(),
                                                 state.expandedFolders.end());
  TreeItem selectedFolder = kNoItem;
  forEachFolderItem(*this, [&](TreeItem item) {
    if (tree_.data(item) >= doc_.folderCount()) return;
    const std::string& path = doc_.folder(tree_.data(item)).path;
    if (expanded.count(path)) tree_.expand(item, CSortedTreeCtrl::Expand::Expand);
    if (state.hasSelection && path == state.selectedFolder) selectedFolder = item;
  });
  TreeItem toSelect = selectedFolder;
  if (state.selectedBookmark) {
    toSelect = kNoItem;
    const auto& [name, url] = *state.selectedBookmark;
    for (const TreeItem child : tree_.children(selectedFolder)) {
      const std::uint32_t data = tree_.data(child);
      if (IsBookmarkItem(child) && data < doc_.bookmarkCount() &&
          doc_.bookmark(data).name == name && doc_.bookmark(data).url == url) {
        toSelect = child;
        break;
      }
    }
  }
  if (toSelect == kNoItem) return;
  tree_.select(toSelect);
  tree_.ensureVisible(toSelect);
}

void CLFView::RefillKeepingState() {
  const TreeState kept = captureTreeState();
  OnUpdate();
  restoreTreeState(kept);
}

void CLFView::computeShown() {
  const std::vector<std::uint32_t>& all = filter_.current()->bookmarks;
  filterMatches_ = all.size();
  // The table is in name order: the first matches are the first by name.
  shownBookmarks_.assign(all.begin(),
                         all.begin() + static_cast<std::ptrdiff_t>(filterShownCount()));
  shownFolders_ = foldersShown(doc_, shownBookmarks_);
}

void CLFView::setFilter(std::string_view text) {
  if (text.empty()) return clearFilter();
  if (text == filterText_) return;
  const BookmarkFilter::Job job = startFilter(text);
  applyFilter(job, job.run());
}

BookmarkFilter::Job CLFView::startFilter(std::string_view text) {
  return filter_.start(doc_, text);
}

BookmarkFilter::Outcome CLFView::applyFilter(const BookmarkFilter::Job& job,
                                             std::optional<FilterMatches> result) {
  const BookmarkFilter::Outcome outcome = filter_.accept(doc_, job, std::move(result));
  if (outcome == BookmarkFilter::Outcome::Taken) showFiltered(job.text);
  return outcome;
}

void CLFView::showFiltered(std::string_view text) {
  if (text.empty()) return clearFilter();
  const TreeState current = captureTreeState();
  if (!isFiltering()) {
    // The full tree waits aside, as it is, for the filter to be cleared.
    beforeFilter_ = current;
    fullTreeRevision_ = doc_.revision();
    fullTreeListed_.resize(doc_.folderCount());
    for (std::uint32_t f = 0; f < doc_.folderCount(); ++f)
      fullTreeListed_[f] = static_cast<char>(doc_.folder(f).listed);
    const CSortedTreeCtrl::Rebuild rebuild(tree_);
    fullTree_ = tree_.takeItems();
  }
  filterText_ = text;
  computeShown();
  refill();
  if (tree_.root() == kNoItem) return;
  TreeState selection = current;
  selection.expandedFolders.clear();
  restoreTreeState(selection);
}

bool CLFView::putFullTreeBack() {
  CSortedTreeCtrl::Items kept = std::exchange(fullTree_, {});
  if (kept.empty() || fullTreeRevision_ != doc_.revision() ||
      fullTreeListed_.size() != doc_.folderCount())
    return false;
  // A drag cannot outlive the items it refers to.
  dragging_ = false;
  dragged_ = dropTarget_ = kNoItem;
  const CSortedTreeCtrl::Rebuild rebuild(tree_);
  if (!tree_.putItems(std::move(kept))) return false;
  for (std::uint32_t f = 0; f < doc_.folderCount(); ++f)
    doc_.setFolderListed(f, fullTreeListed_[f] != 0);
  return true;
}

void CLFView::clearFilter() {
  filter_.stop();
  if (!isFiltering()) return;
  const TreeState current = captureTreeState();
  filterText_.clear();
  shownFolders_.clear();
  shownBookmarks_.clear();
  filterMatches_ = 0;
  // The tree as it was; a bookmark picked while filtering stays selected.
  TreeState restored = beforeFilter_;
  if (current.selectedBookmark) {
    restored.selectedFolder = current.selectedFolder;
    restored.selectedBookmark = current.selectedBookmark;
    restored.hasSelection = true;
  }
  if (putFullTreeBack()) {
    // Expansion and selection came back with the items; only a picked bookmark is left.
    if (!current.selectedBookmark) return;
    restored.expandedFolders.clear();
  } else {
    OnUpdate();
  }
  restoreTreeState(restored);
}

}  // namespace linkfold
