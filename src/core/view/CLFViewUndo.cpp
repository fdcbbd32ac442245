// Undo and Redo in the tree view: the library takes the step, the tree is filled again from it,
// and the item the step touched is selected and scrolled into view.

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

}  // namespace

CommandState CLFView::OnUpdateUndo() const {
  const UndoStack& stack = doc_.undoStack();
  CommandState state;
  state.enabled = stack.canUndo();
  state.text = state.enabled ? "&Undo " + stack.undoName() + "\tCtrl+Z" : kCannotUndo;
  return state;
}

CommandState CLFView::OnUpdateRedo() const {
  const UndoStack& stack = doc_.undoStack();
  CommandState state;
  state.enabled = stack.canRedo();
  state.text = state.enabled ? "&Redo " + stack.redoName() + "\tCtrl+Y" : kCannotRedo;
  return state;
}

void CLFView::OnUndo() {
  takeUndoStep(true);
}

void CLFView::OnRedo() {
  takeUndoStep(false);
}

void CLFView::takeUndoStep(bool undo) {
  UndoStack& stack = doc_.undoStack();
  if (undo ? !stack.canUndo() : !stack.canRedo()) return;
  LibraryItemRef focus;
  {
    WaitCursor wait(ui_);
    try {
      focus = undo ? stack.undo(doc_) : stack.redo(doc_);
    } catch (const std::bad_alloc&) {
      ui_.showMessage({kNoMemoryForStep, MessageIcon::Exclamation});
      return;
    }
  }
  OnUpdate();
  const TreeItem item = itemFor(focus);
  if (item == kNoItem) return;
  tree_.ensureVisible(item);
  tree_.select(item);
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
