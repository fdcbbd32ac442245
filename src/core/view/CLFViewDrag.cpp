// Moving bookmarks and folders by dragging their items: the drag's start, its feedback and
// auto-scroll steps, the drop with its checks and the cancel. The library changes first; the
// tree then follows with the same moves that re-sort renamed items.

#include <algorithm>

#include "library/CLFDoc.h"
#include "library/UndoRecorder.h"
#include "platform/Text.h"
#include "platform/UiPort.h"
#include "view/CLFView.h"

namespace linkfold {

void CLFView::OnBeginDrag(TreeItem item) {
  if (!tree_.exists(item)) return;
  if (IsLockedItem(item)) {
    ui_.inform("Locked folders cannot be moved.");
    tree_.select(item);  // the selection makes it the current item
    return;
  }
  dragging_ = true;
  dragged_ = item;
  dropTarget_ = kNoItem;
  tree_.select(item);
}

ScrollStep CLFView::OnDragMove(const HitTest& hit) {
  if (!dragging_) return ScrollStep::None;
  if (hit.item != kNoItem) {  // on an item, though perhaps one gone since the hit test
    if (tree_.exists(hit.item)) tree_.setDropHighlight(hit.item);
    return ScrollStep::None;
  }
  // Inside the tree but on no item: no step, and the highlight stays where it was.
  if (hit.flags & kHitAbove) return ScrollStep::LineUp;
  if (hit.flags & kHitBelow) return ScrollStep::LineDown;
  if (hit.flags & kHitToLeft) return ScrollStep::LineLeft;
  if (hit.flags & kHitToRight) return ScrollStep::LineRight;
  return ScrollStep::None;
}

int CLFView::autoScrollPause() const {
  return std::clamp(options_.scrollDelay, 0, ViewOptions::kMaxScrollDelay);
}

void CLFView::OnDrop(const HitTest& hit) {
  if (!dragging_) return;
  dropTarget_ = tree_.exists(hit.item) ? hit.item : kNoItem;
  endDrag();
  // The dragged item may have gone while the drag ran (a rebuild); then there is nothing to move.
  if (dropTarget_ != kNoItem && dropTarget_ != dragged_ && tree_.exists(dragged_)) {
    tree_.select(dropTarget_);
    if (IsFolderItem(dragged_))
      dropFolder(dragged_, dropTarget_);
    else
      dropBookmark(dragged_, dropTarget_);
  }
  // Refused and empty drops leave no stale handles behind either.
  dragged_ = kNoItem;
  dropTarget_ = kNoItem;
}

void CLFView::OnCancelDrag() {
  if (!dragging_) return;
  endDrag();
  tree_.ensureVisible(dragged_);
  dragged_ = kNoItem;
}

void CLFView::endDrag() {
  dragging_ = false;
  tree_.setDropHighlight(kNoItem);
}

namespace {

// The folder a drop on `target` puts things into: the target itself, or a bookmark's folder.
TreeItem dropDestination(const CLFView& view, TreeItem target) {
  return view.IsFolderItem(target) ? target : view.tree().parent(target);
}

}  // namespace

void CLFView::dropBookmark(TreeItem bookmark, TreeItem target) {
  const TreeItem destination = dropDestination(*this, target);
  if (destination == tree_.parent(bookmark)) {
    tree_.select(bookmark);
    return;
  }
  const std::string& name = tree_.label(bookmark);
  for (TreeItem child : tree_.children(destination)) {
    if (!IsBookmarkItem(child) || !equalsNoCase(tree_.label(child), name)) continue;
    tree_.ensureVisible(child);
    ui_.inform("Destination folder already contains a\nbookmark with the same name.");
    tree_.select(bookmark);
    return;
  }
  const std::uint32_t index = tree_.data(bookmark);
  EditRecorder recorder(doc_, "Move");
  recorder.keepBookmark(index);
  doc_.setBookmarkFolder(index, tree_.data(destination));
  doc_.setModifiedFlag();
  recorder.commit(LibraryItemRef::bookmark(index), LibraryItemRef::bookmark(index));
  MoveBookmarkItem(bookmark, destination);
  if (tree_.exists(bookmark)) OnUpdate();  // the tree refused the copy: show the library as it is
}

void CLFView::dropFolder(TreeItem folder, TreeItem target) {
  const TreeItem destination = dropDestination(*this, target);
  if (destination == folder) return;  // dropped on one of its own bookmarks
  const TreeItem oldParent = tree_.parent(folder);
  if (destination == oldParent) {
    tree_.select(folder);
    return;
  }
  for (TreeItem above = tree_.parent(destination); above != kNoItem; above = tree_.parent(above)) {
    if (above == folder) {
      ui_.inform("Folder cannot be moved to its own subfolder.");
      return;
    }
  }
  const std::uint32_t index = tree_.data(folder);
  EditRecorder recorder(doc_, "Move");
  recorder.keepFolders();
  if (!doc_.moveFolder(index, tree_.data(destination))) {
    ui_.inform(
        "Folder cannot be moved here.\n\nEither the resulting path would be too long\nor a "
        "folder with the same name already exists.");
    return;
  }
  doc_.setModifiedFlag();
  recorder.commit(LibraryItemRef::folder(index), LibraryItemRef::folder(index));
  MoveFolderItem(folder, destination);
  if (tree_.exists(folder)) {  // the tree refused part of the copy: show the library as it is
    OnUpdate();
    return;
  }
  // The old parent takes the library's rule for its state; the destination's line of
  // ancestors and the old parent's take the tree's. The dragged item is gone already, which
  // changes none of these states: its copy carries the same state up the destination's line.
  tree_.setState(oldParent, doc_.folder(tree_.data(oldParent)).selection);
  UpdateParentChecks(tree_.selected());  // the copy, selected by the move
  UpdateParentChecks(oldParent);
}

}  // namespace linkfold
