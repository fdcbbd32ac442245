// The tree's check boxes, which select folders for export, and the view's handling of clicks,
// the Space key, double clicks and the context menu.

#include <vector>

#include "library/CLFDoc.h"
#include "view/CLFView.h"

namespace linkfold {

void CLFView::writeSelection(TreeItem item, std::uint32_t state) {
  tree_.setState(item, state);
  doc_.setFolderSelection(tree_.data(item), state);
}

void CLFView::SetFolderCheck(TreeItem item, bool selected) {
  if (!tree_.exists(item)) return;
  const std::uint32_t state = selected ? kSelected : kNotSelected;
  // Every folder item below takes the same state; an explicit stack keeps a deep library off
  // the call stack.
  std::vector<TreeItem> pending{item};
  while (!pending.empty()) {
    const TreeItem current = pending.back();
    pending.pop_back();
    writeSelection(current, state);
    for (TreeItem child : tree_.children(current))
      if (!IsBookmarkItem(child)) pending.push_back(child);
  }
}

void CLFView::UpdateParentChecks(TreeItem item) {
  if (!tree_.exists(item)) return;
  for (TreeItem parent = tree_.parent(item); parent != kNoItem; parent = tree_.parent(parent)) {
    bool allSelected = true, noneSelected = true;
    for (TreeItem child : tree_.children(parent)) {
      if (IsBookmarkItem(child)) continue;
      const std::uint32_t state = tree_.state(child);
      if (state != kSelected) allSelected = false;
      if (state != kNotSelected) noneSelected = false;
    }
    std::uint32_t state = kPartlySelected;
    if (noneSelected) {
      // Clearing the last selected sub-folder leaves a selected folder selected, though
      // no longer wholly.
      if (tree_.state(parent) == kNotSelected) state = kNotSelected;
    } else if (allSelected) {
      state = kSelected;
    }
    writeSelection(parent, state);
  }
}

void CLFView::toggleCheck(TreeItem item) {
  // An empty box (or none) becomes checked; a checked or grey box is cleared.
  const bool select = tree_.state(item) <= kNotSelected;
  SetFolderCheck(item, select);
  UpdateParentChecks(item);
}

void CLFView::OnClick(const HitTest& hit) {
  // A bookmark has no check box: its item data is a bookmark index, not a folder's.
  if (!tree_.exists(hit.item) || (hit.flags & kHitOnStateIcon) == 0 || IsBookmarkItem(hit.item))
    return;
  toggleCheck(hit.item);
}

int CLFView::OnSpaceKey() {
  const TreeItem item = tree_.selected();
  if (item == kNoItem || IsBookmarkItem(item)) return 0;
  toggleCheck(item);
  return 1;  // the key is used up: the tree's incremental search must not see it
}

void CLFView::OnDoubleClick(const HitTest& hit) {
  constexpr unsigned kOnItem = kHitOnIcon | kHitOnLabel | kHitOnStateIcon;
  if ((hit.flags & kOnItem) == 0 || !IsBookmarkItem(hit.item)) return;  // no item is no bookmark
  // Properties acts on the selected item; the double click's first press has selected the hit
  // item on screen, and selecting it here keeps the two in step whatever the display did.
  tree_.select(hit.item);
  OnProperties();
}

std::vector<MenuEntry> CLFView::OnRightClick(const HitTest& hit) {
  if (!tree_.exists(hit.item)) return {};
  tree_.select(hit.item);
  const MenuEntry separator{kCmdSeparator, {}};
  const MenuEntry newFolder{kCmdNewFolder, "&New folder"};
  const MenuEntry copy{kCmdCopy, "&Copy\tCtrl+C"};
  const MenuEntry paste{kCmdPaste, "&Paste\tCtrl+V"};
  if (IsBookmarkItem(hit.item))
    return {{kCmdOpenInBrowser, "&Open in Browser\tEnter"},
            separator,
            {kCmdCut, "Cu&t\tCtrl+X"},
            copy,
            paste,
            separator,
            {kCmdRename, "&Rename Bookmark"},
            {kCmdDelete, "&Delete Bookmark"},
            separator,
            newFolder,
            separator,
            {kCmdProperties, "&Properties"}};
  std::vector<MenuEntry> menu{
      {kCmdOpenInBrowser, "Open &All in Browser"}, separator, copy, paste, separator};
  if (!IsLockedItem(hit.item)) {
    menu.push_back({kCmdRename, "&Rename Folder"});
    if (!tree_.hasChildren(hit.item)) menu.push_back({kCmdDelete, "&Delete Folder"});
    menu.push_back(separator);
  }
  menu.push_back(newFolder);
  return menu;
}

}  // namespace linkfold
