// Undo and Redo in the tree view: the library takes the step, the tree is filled again from it,
// and the item the step touched is selected and scrolled into view.

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "library/CLFDoc.h"
#include "library/UndoStack.h"
#include "platform/UiPort.h"
#include "view/CLFView.h"

namespace linkfold {

namespace {

constexpr const char* kCannotUndo = "Can't Undo";
constexpr const char* kCannotRedo = "Can't Redo";
constexpr const char* kNoMemoryForStep =
    "There is not enough memory to take this step.\nThe library was left as it was.";

// "&Undo Rename\tCtrl+Z" when there is a step to take, else the disabled "Can't ..." text.
CommandState stepState(bool available, const std::string& verb, const std::string& step,
                       const char* key, const char* unavailable) {
  CommandState state;
  state.enabled = available;
  state.text = available ? "&" + verb + " " + step + "\t" + key : unavailable;
  return state;
}

}  // namespace

CommandState CLFView::OnUpdateUndo() const {
  const UndoStack& stack = doc_.undoStack();
  return stepState(stack.canUndo(), "Undo", stack.undoName(), "Ctrl+Z", kCannotUndo);
}

CommandState CLFView::OnUpdateRedo() const {
  const UndoStack& stack = doc_.undoStack();
  return stepState(stack.canRedo(), "Redo", stack.redoName(), "Ctrl+Y", kCannotRedo);
}

void CLFView::OnUndo() {
  takeUndoStep(true);
}

void CLFView::OnRedo() {
  takeUndoStep(false);
}

void CLFView::takeUndoStep(bool undo) {
  UndoStack& stack = doc_.undoStack();
  const UndoStep* step = stack.nextStep(undo);
  if (!step) return;
  WaitCursor wait(ui_);
  // A step that only changes bookmark records changes only their items; any other fills the
  // tree again.
  const auto changes = step->recordChanges();
  ItemsOfRecords items;
  if (changes) items = itemsOf(changes->edited.empty() ? changes->leaving : changes->edited);
  const auto countBefore = doc_.bookmarkCount();
  LibraryItemRef focus;
  try {
    focus = undo ? stack.undo(doc_) : stack.redo(doc_);
  } catch (const std::bad_alloc&) {
    ui_.showMessage({kNoMemoryForStep, MessageIcon::Exclamation});
    return;
  }
  TreeItem selected = kNoItem;
  if (items.complete) {
    const std::vector<std::pair<std::uint32_t, TreeItem>> placed =
        changes->edited.empty() ? replaceRecordItems(items, *changes, countBefore)
                                : moveEditedItems(items);
    if (focus.kind == LibraryItemRef::Kind::Folder && focus.index < items.folders.size())
      selected = items.folders[focus.index];
    for (const auto& [index, item] : placed)
      if (focus.kind == LibraryItemRef::Kind::Bookmark && focus.index == index) selected = item;
  }
  if (!items.complete) {
    OnUpdate();
    selected = itemFor(focus);
  }
  if (selected == kNoItem) return;
  tree_.ensureVisible(selected);
  tree_.select(selected);
}

std::vector<std::pair<std::uint32_t, TreeItem>> CLFView::moveEditedItems(ItemsOfRecords& items) {
  std::vector<std::pair<std::uint32_t, TreeItem>> placed;
  for (const auto& [index, item] : items.bookmarks) {
    TreeItemFields fields = tree_.fields(item);
    fields.label = doc_.bookmark(index).name;
    const TreeItem moved =
        tree_.InsertSorted(items.folders[doc_.bookmark(index).folder], std::move(fields));
    if (moved == kNoItem) {
      items.complete = false;
      break;
    }
    tree_.deleteItem(item);
    placed.emplace_back(index, moved);
  }
  return placed;
}

std::vector<std::pair<std::uint32_t, TreeItem>> CLFView::replaceRecordItems(
    ItemsOfRecords& items, const UndoStep::RecordChanges& changes, std::uint32_t countBefore) {
  for (const auto& entry : items.bookmarks) tree_.deleteItem(entry.second);
  // The records that stayed keep their order: the k-th of them takes the k-th index that no
  // coming record takes.
  std::vector<std::uint32_t> newIndex(countBefore);
  std::size_t leaving = 0, coming = 0;
  std::uint32_t next = 0;
  for (std::uint32_t i = 0; i < countBefore; ++i) {
    if (leaving < changes.leaving.size() && changes.leaving[leaving] == i) {
      ++leaving;
      continue;
    }
    while (coming < changes.coming.size() && changes.coming[coming] == next) ++coming, ++next;
    newIndex[i] = next++;
  }
  std::vector<TreeItem> pending{tree_.root()};
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    for (TreeItem child : tree_.children(item)) {
      if (IsBookmarkItem(child))
        tree_.setData(child, newIndex[tree_.data(child)]);
      else
        pending.push_back(child);
    }
  }
  std::vector<std::pair<std::uint32_t, TreeItem>> placed;
  for (const std::uint32_t index : changes.coming) {
    const BookmarkRecord& record = doc_.bookmark(index);
    const TreeItem added = tree_.InsertSorted(
        items.folders[record.folder], {record.name, kImageBookmark, kImageBookmark, 0, index});
    if (added == kNoItem) {
      items.complete = false;
      break;
    }
    placed.emplace_back(index, added);
  }
  return placed;
}

CLFView::ItemsOfRecords CLFView::itemsOf(std::vector<std::uint32_t> bookmarks) const {
  std::sort(bookmarks.begin(), bookmarks.end());
  ItemsOfRecords found;
  found.folders.assign(doc_.folderCount(), kNoItem);
  std::vector<TreeItem> pending;
  if (tree_.root() != kNoItem) pending.push_back(tree_.root());
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    const std::uint32_t data = tree_.data(item);
    if (IsBookmarkItem(item)) {
      if (std::binary_search(bookmarks.begin(), bookmarks.end(), data))
        found.bookmarks.emplace_back(data, item);
      continue;
    }
    if (data < found.folders.size()) found.folders[data] = item;
    for (TreeItem child : tree_.children(item)) pending.push_back(child);
  }
  // Every record's item, and an item for every folder a record can go back to.
  found.complete =
      found.bookmarks.size() == bookmarks.size() &&
      std::find(found.folders.begin(), found.folders.end(), kNoItem) == found.folders.end();
  return found;
}

TreeItem CLFView::itemFor(const LibraryItemRef& ref) const {
  if (ref.kind == LibraryItemRef::Kind::None) return kNoItem;
  const bool bookmark = ref.kind == LibraryItemRef::Kind::Bookmark;
  std::vector<TreeItem> pending;
  if (tree_.root() != kNoItem) pending.push_back(tree_.root());
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    if (IsBookmarkItem(item) == bookmark && tree_.data(item) == ref.index) return item;
    if (!IsBookmarkItem(item))
      for (TreeItem child : tree_.children(item)) pending.push_back(child);
  }
  return kNoItem;
}

}  // namespace linkfold
