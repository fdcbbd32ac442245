#include "view/CLFView.h"

#include <algorithm>
#include <optional>
#include <span>

#include "library/CLFDoc.h"
#include "platform/Text.h"
#include "platform/UiPort.h"

namespace linkfold {

CLFView::CLFView(CLFDoc& doc, UiPort& ui, SettingsStore& settings)
    : doc_(doc), ui_(ui), settings_(settings), options_(ViewOptions::read(settings)) {
  tree_.addObserver(this);
}

CLFView::~CLFView() {
  tree_.removeObserver(this);
  options_.writeFlags(settings_);
}

bool CLFView::IsFolderItem(TreeItem item) const {
  const int image = tree_.image(item);
  return tree_.exists(item) && (image == kImageFolder || image == kImageLockedFolder);
}

bool CLFView::IsBookmarkItem(TreeItem item) const {
  return tree_.image(item) == kImageBookmark;
}

bool CLFView::IsLockedItem(TreeItem item) const {
  return tree_.image(item) > kImageBookmark;
}

namespace {

// Sub-folders (ascending index) and bookmarks (table order) of every folder, gathered in one
// pass each, so that filling does not scan the tables once per folder. A filtered tree takes
// only the bookmarks it shows, without a pass over the whole table.
struct FolderContents {
  std::vector<std::vector<std::uint32_t>> subFolders;
  std::optional<BookmarksByFolder> all;
  std::vector<std::vector<std::uint32_t>> shown;

  FolderContents(const CLFDoc& doc, const std::vector<std::uint32_t>* only)
      : subFolders(doc.folderCount()) {
    for (std::uint32_t i = 1; i < doc.folderCount(); ++i) {
      const std::uint32_t parent = doc.folder(i).parent;
      if (parent < subFolders.size() && parent != i) subFolders[parent].push_back(i);
    }
    if (!only) {
      all.emplace(doc.bookmarks(), doc.folderCount());
      return;
    }
    shown.resize(doc.folderCount());
    for (const std::uint32_t b : *only)
      if (doc.bookmark(b).folder < shown.size()) shown[doc.bookmark(b).folder].push_back(b);
  }
  std::span<const std::uint32_t> bookmarksOf(std::uint32_t folder) const {
    return all ? all->of(folder) : std::span<const std::uint32_t>(shown[folder]);
  }
};

TreeItemFields folderFields(const CLFDoc& doc, std::uint32_t index) {
  const FolderEntry& f = doc.folder(index);
  const int image = f.locked ? kImageLockedFolder : kImageFolder;
  return {CLFDoc::folderDisplayName(f.path), image, image, f.selection, index};
}

}  // namespace

bool CLFView::FillTree(std::uint32_t folder, TreeItem parent) {
  if (doc_.folderCount() == 0 || folder >= doc_.folderCount()) return false;
  if (parent != kNoItem && !tree_.exists(parent)) return false;
  const FolderContents contents(doc_, isFiltering() ? &shownBookmarks_ : nullptr);
  // Depth first with an explicit stack: a deep library cannot exhaust the call stack. Sibling
  // folders are taken from index 1 upward, as the filling rule finds them, because a sorted
  // insertion places an item after those whose labels compare equal to its own.
  std::vector<std::pair<std::uint32_t, TreeItem>> pending{{folder, parent}};
  while (!pending.empty()) {
    const auto [f, under] = pending.back();
    pending.pop_back();
    doc_.setFolderListed(f, true);
    const TreeItem item = tree_.InsertSorted(under, folderFields(doc_, f));
    if (item == kNoItem) return false;
    const auto& subFolders = contents.subFolders[f];
    for (auto sub = subFolders.rbegin(); sub != subFolders.rend(); ++sub)
      if (!doc_.folder(*sub).listed && filterShowsFolder(*sub)) pending.emplace_back(*sub, item);

    // Bookmarks with equal labels keep table order; inserting them already sorted makes every
    // insertion an append.
    std::vector<std::pair<std::string_view, std::uint32_t>> marks;
    const auto bookmarks = contents.bookmarksOf(f);
    marks.reserve(bookmarks.size());
    for (const std::uint32_t b : bookmarks)
      marks.emplace_back(comparedLabel(doc_.bookmark(b).name), b);
    const auto byLabel = [](const auto& a, const auto& b) {
      return compareNoCase(a.first, b.first) < 0;
    };
    if (!std::is_sorted(marks.begin(), marks.end(), byLabel))
      std::stable_sort(marks.begin(), marks.end(), byLabel);
    for (const auto& mark : marks) {
      const std::uint32_t b = mark.second;
      const TreeItem added =
          tree_.InsertSorted(item, {doc_.bookmark(b).name, kImageBookmark, kImageBookmark, 0, b});
      if (added == kNoItem) return false;
    }
  }
  return true;
}

void CLFView::OnUpdate() {
  WaitCursor wait(ui_);
  if (isFiltering()) {
    // The library changed under the filter: the full tree set aside no longer shows it.
    fullTree_ = {};
    filter_.matchNow(doc_, filterText_);
    computeShown();
  }
  refill();
}

void CLFView::refill() {
  // A drag cannot outlive the items it refers to.
  dragging_ = false;
  dragged_ = dropTarget_ = kNoItem;
  {
    const CSortedTreeCtrl::Rebuild rebuild(tree_);
    tree_.deleteAllItems();
    tree_.reserve(doc_.folderCount() + (isFiltering() ? filterShownCount() : doc_.bookmarkCount()));
    doc_.clearListedMarks();
    FillTree(0, kNoItem);
  }
  const TreeItem root = tree_.root();
  if (root == kNoItem) return;
  tree_.select(root);
  tree_.expand(root, CSortedTreeCtrl::Expand::Expand);
  if (isFiltering()) OnExpandAll();
}

}  // namespace linkfold
