// The tree view's editing commands: Rename, Delete, New Folder, Properties, Expand All and
// Collapse All. Each changes the library and then the tree item by item, so that the two stay
// in step without a rebuild. Renamed items are put back in their sorted place by the same moves
// that drag and drop uses.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "library/CLFDoc.h"
#include "library/FolderTree.h"
#include "library/UndoRecorder.h"
#include "platform/Text.h"
#include "platform/UiPort.h"
#include "view/CLFView.h"
#include "view/EditDialogs.h"

namespace linkfold {

namespace {

constexpr const char* kRenameFolderText = "&Rename folder\tCtrl+R";
constexpr const char* kRenameBookmarkText = "&Rename bookmark\tCtrl+R";
constexpr const char* kDeleteBookmarkText = "&Delete bookmark\tDel";
constexpr const char* kDeleteFolderText = "&Delete folder\tDel";

constexpr const char* kNameBlank = "Name cannot be blank!";
constexpr const char* kLeadingPeriod = "Names cannot begin with a period!";
constexpr const char* kUrlExtension = "Folders cannot be named with the .URL extension!";
constexpr const char* kNameNotUnique = "Item names within a folder must be unique.";
constexpr const char* kFolderPathTooLong =
    "Path too long.\nYou must use a shorter name for this folder.";
constexpr const char* kConfirmBookmarkDelete = "Are you sure you want to delete this bookmark?";
constexpr const char* kConfirmFolderDelete = "Are you sure you want to delete this folder?";
constexpr const char* kNewFolderPathTooLong =
    "Path to this folder is too long.\nCannot create a new folder here.";
constexpr const char* kCannotCreatePath = "Internal error -- could not create path item.";
constexpr const char* kCannotInsertItem =
    "Internal error -- could not insert item into the tree control.";

constexpr std::string_view kNewFolderName = "New Folder";
// A new folder's parent path may take this many characters (Favorites path included), leaving
// room for the new name within the 200-character limit.
constexpr std::size_t kMaxNewFolderParentPath = 180;

// Whether a child of `parent` other than `except`, of the same kind (bookmark or not), carries
// `label` ignoring ASCII case.
bool hasChildLabelled(const CLFView& view, TreeItem parent, bool bookmarkKind,
                      std::string_view label, TreeItem except = kNoItem) {
  for (TreeItem child : view.tree().children(parent))
    if (child != except && view.IsBookmarkItem(child) == bookmarkKind &&
        equalsNoCase(view.tree().label(child), label))
      return true;
  return false;
}

// A deleted folder's parent becomes selected when it was partly selected only because of the
// deleted folder, or when it is left empty.
bool parentBecomesSelected(const CLFView& view, TreeItem parent) {
  const CSortedTreeCtrl& tree = view.tree();
  if (!tree.hasChildren(parent)) return true;
  if (tree.state(parent) != kPartlySelected) return false;
  for (TreeItem child : tree.children(parent))
    if (!view.IsBookmarkItem(child) && tree.state(child) != kSelected) return false;
  return true;
}

// Whether a locked folder item stands anywhere below `item`.
bool hasLockedFolderBelow(const CLFView& view, TreeItem item) {
  std::vector<TreeItem> pending{item};
  while (!pending.empty()) {
    const TreeItem folder = pending.back();
    pending.pop_back();
    for (TreeItem child : view.tree().children(folder)) {
      if (view.IsBookmarkItem(child)) break;  // folders sort before bookmarks
      if (view.IsLockedItem(child)) return true;
      pending.push_back(child);
    }
  }
  return false;
}

// Expands or collapses every folder item, the deepest first; the root item always ends up
// expanded.
void setExpansionOfAllFolders(CLFView& view, CSortedTreeCtrl::Expand how) {
  CSortedTreeCtrl& tree = view.tree();
  const TreeItem root = tree.root();
  // Children are pushed in order and taken from the back, so this pre-order visits them last
  // first; read backwards it is the post-order that handles each folder after its sub-folders.
  std::vector<TreeItem> order, pending{root};
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    order.push_back(item);
    for (TreeItem child : tree.children(item))
      if (!view.IsBookmarkItem(child)) pending.push_back(child);
  }
  for (auto it = order.rbegin(); it != order.rend(); ++it)
    tree.expand(*it, *it == root ? CSortedTreeCtrl::Expand::Expand : how);
}

}  // namespace

// ---- Rename ----------------------------------------------------------------------------

CommandState CLFView::OnUpdateRename() const {
  CommandState state;
  const bool hasItem = tree_.exists(current_);
  state.enabled = hasItem && (tree_.image(current_) == kImageFolder || IsBookmarkItem(current_));
  if (hasItem) state.text = IsBookmarkItem(current_) ? kRenameBookmarkText : kRenameFolderText;
  return state;
}

void CLFView::OnRename() {
  const TreeItem item = tree_.selected();
  if (!OnUpdateRename().enabled || !tree_.exists(item)) return;
  const TreeItem parent = tree_.parent(item);
  const std::string oldLabel = tree_.label(item);
  const bool bookmark = IsBookmarkItem(item);
  const std::uint32_t index = tree_.data(item);

  CRenameDlg dialog(bookmark ? "Bookmark" : "Folder", oldLabel);
  // Every refusal shows its message and runs the dialog again; nothing has changed by then.
  while (ui_.runDialog(dialog)) {
    const std::string_view typed = trimWhite(dialog.name);
    if (typed.empty()) {
      ui_.inform(kNameBlank);
      dialog.name = oldLabel;
      continue;
    }
    if (typed.front() == '.') {
      ui_.inform(kLeadingPeriod);
      continue;
    }
    const std::string name = doc_.cleanItemName(typed);
    if (name == oldLabel) return;  // byte for byte: a change of letter case alone is a rename
    if (!bookmark && equalsNoCase(utf8Suffix(name, 4), ".url")) {
      ui_.inform(kUrlExtension);
      dialog.name = name;
      continue;
    }
    if (hasChildLabelled(*this, parent, bookmark, name, item)) {
      ui_.inform(kNameNotUnique);
      continue;
    }
    EditRecorder recorder(doc_, "Rename");
    if (bookmark) {
      recorder.keepBookmark(index);
      doc_.setBookmarkName(index, name);
      doc_.setModifiedFlag();
      recorder.commit(LibraryItemRef::bookmark(index), LibraryItemRef::bookmark(index));
      tree_.setLabel(item, name);
      MoveBookmarkItem(item, parent);
      return;
    }
    recorder.keepFolders();
    if (!doc_.renameFolder(index, name)) {  // marks the library modified when it succeeds
      ui_.inform(kFolderPathTooLong);
      continue;
    }
    recorder.commit(LibraryItemRef::folder(index), LibraryItemRef::folder(index));
    tree_.setLabel(item, name);
    MoveFolderItem(item, parent);
    if (tree_.exists(item)) OnUpdate();  // the tree refused part of the copy
    return;
  }
}

// ---- Re-sorting and moving items --------------------------------------------------------

TreeItem CLFView::itemToSelectAfterMove(TreeItem bookmark) const {
  for (TreeItem candidate : {tree_.nextSibling(bookmark), tree_.prevSibling(bookmark),
                             tree_.prevVisible(bookmark), tree_.nextVisible(bookmark)})
    if (candidate != kNoItem) return candidate;
  return kNoItem;
}

void CLFView::MoveBookmarkItem(TreeItem bookmark, TreeItem destination) {
  if (!tree_.exists(bookmark) || !tree_.exists(destination)) return;
  // Without "Follow" the selection stays where the bookmark was, on a neighbour.
  TreeItem next = options_.follow ? kNoItem : itemToSelectAfterMove(bookmark);
  const TreeItem moved = tree_.InsertSorted(destination, tree_.fields(bookmark));
  if (moved == kNoItem) return;  // a refused insertion must not lose the item
  tree_.deleteItem(bookmark);
  if (options_.follow) next = moved;
  if (next == kNoItem) return;
  tree_.ensureVisible(next);
  tree_.select(next);
}

void CLFView::MoveFolderItem(TreeItem folder, TreeItem destination) {
  if (!tree_.exists(folder)) return;
  const TreeItem copy = CopySubtree(folder, destination);
  if (copy == kNoItem) return;
  tree_.ensureVisible(copy);
  tree_.select(copy);
  // Only an emptied folder goes: what a refused insertion left behind stays in the tree.
  if (!tree_.hasChildren(folder)) tree_.deleteItem(folder);
}

TreeItem CLFView::CopySubtree(TreeItem item, TreeItem newParent) {
  if (!tree_.exists(item) || !tree_.exists(newParent)) return kNoItem;
  const auto copyOf = [this](TreeItem source) {
    TreeItemFields fields = tree_.fields(source);
    fields.selectedImage = fields.image;
    return fields;
  };
  const TreeItem copy = tree_.InsertSorted(newParent, copyOf(item));
  if (copy == kNoItem) return kNoItem;
  // Child by child: the child's copy goes in, the child's own children follow it the same way,
  // then the emptied child is deleted. An explicit stack keeps deep libraries off the call
  // stack.
  std::vector<std::pair<TreeItem, TreeItem>> pending{{item, copy}};
  while (!pending.empty()) {
    const auto [source, target] = pending.back();
    const TreeItem child = tree_.firstChild(source);
    if (child == kNoItem) {
      pending.pop_back();
      if (source != item) tree_.deleteItem(source);
      continue;
    }
    const TreeItem childCopy = tree_.InsertSorted(target, copyOf(child));
    if (childCopy == kNoItem) break;  // the rest stays where it was
    pending.emplace_back(child, childCopy);
  }
  return copy;
}

// ---- Delete ----------------------------------------------------------------------------

CommandState CLFView::OnUpdateDelete() const {
  CommandState state;
  const TreeItem item = tree_.selected();
  const bool hasBookmarks = doc_.bookmarkCount() > 0;
  const bool hasItem = tree_.exists(item);
  state.enabled = hasBookmarks && hasItem &&
                  (IsBookmarkItem(item) ||
                   (tree_.image(item) == kImageFolder && !hasLockedFolderBelow(*this, item)));
  if (hasBookmarks && hasItem)
    state.text = IsBookmarkItem(item) ? kDeleteBookmarkText : kDeleteFolderText;
  return state;
}

void CLFView::OnDelete() {
  if (!OnUpdateDelete().enabled) return;
  const TreeItem item = tree_.selected();
  const std::uint32_t index = tree_.data(item);
  if (IsBookmarkItem(item)) {
    if (index >= doc_.bookmarkCount()) return;
    if (options_.confirmBookmarkDelete && !ui_.askYesNo(kConfirmBookmarkDelete)) return;
    WaitCursor wait(ui_);
    EditRecorder recorder(doc_, "Delete");
    recorder.removingBookmarks({index});
    const std::uint32_t folder = doc_.bookmark(index).folder;
    doc_.removeBookmark(index);  // marks the library modified
    recorder.commit(LibraryItemRef::bookmark(index), LibraryItemRef::folder(folder));
    tree_.deleteItem(item);
    RenumberBookmarkItems(tree_.root(), index);
    return;
  }
  if (tree_.hasChildren(item))
    deleteFolderTree(item);
  else
    deleteFolder(item);
}

void CLFView::deleteFolder(TreeItem item) {
  if (options_.confirmFolderDelete && !ui_.askYesNo(kConfirmFolderDelete)) return;
  WaitCursor wait(ui_);
  const std::uint32_t index = tree_.data(item);
  const TreeItem parent = tree_.parent(item);
  EditRecorder recorder(doc_, "Delete");
  recorder.keepFolders();
  recorder.removingFolders({index});
  if (!doc_.removeFolder(index)) return;  // not an empty folder in the library: no change
  tree_.deleteItem(item);
  RenumberFolderItems(tree_.root(), index);
  doc_.setModifiedFlag();
  recorder.commit(LibraryItemRef::folder(index), LibraryItemRef::folder(tree_.data(parent)));
  if (!parentBecomesSelected(*this, parent)) return;
  writeSelection(parent, kSelected);
  UpdateParentChecks(parent);
}

void CLFView::deleteFolderTree(TreeItem item) {
  const std::uint32_t index = tree_.data(item);
  const FolderTree contents = folderTree(doc_, index);
  if (contents.folders.empty()) return;
  const std::string question = "Delete the folder \"" +
                               CLFDoc::folderDisplayName(doc_.folder(index).path) + "\" with the " +
                               std::to_string(contents.bookmarks.size()) + " bookmarks and " +
                               std::to_string(contents.folders.size() - 1) + " folders in it?";
  if (!ui_.askYesNo(question)) return;
  WaitCursor wait(ui_);
  const TreeItem parent = tree_.parent(item);
  EditRecorder recorder(doc_, "Delete");
  if (!removeFolderTree(doc_, contents, recorder)) return;
  tree_.deleteItem(item);
  RenumberAllItems(contents.folders, contents.bookmarks);
  recorder.commit(LibraryItemRef::folder(index), LibraryItemRef::folder(tree_.data(parent)));
  tree_.ensureVisible(parent);
  tree_.select(parent);
  if (!parentBecomesSelected(*this, parent)) return;
  writeSelection(parent, kSelected);
  UpdateParentChecks(parent);
}

// ---- New Folder ------------------------------------------------------------------------

void CLFView::OnNewFolder() {
  const TreeItem selected = tree_.selected();
  if (!tree_.exists(selected)) return;
  // Locked folders, the root among them, are valid targets; a bookmark stands for its folder.
  const TreeItem target = IsBookmarkItem(selected) ? tree_.parent(selected) : selected;
  const std::uint32_t folder = tree_.data(target);
  const std::string prefix = folder == 0 ? std::string() : doc_.folder(folder).path;
  const bool wasModified = doc_.isModified();

  if (doc_.browsers().favoritesPathLength() + utf8CharCount(prefix) > kMaxNewFolderParentPath) {
    ui_.inform(kNewFolderPathTooLong);
    return;
  }
  std::string name(kNewFolderName);
  for (unsigned n = 1; hasChildLabelled(*this, target, false, name); ++n)
    name = std::string(kNewFolderName) + " (" + std::to_string(n) + ")";

  EditRecorder recorder(doc_, "New Folder");
  recorder.keepFolders();
  std::uint32_t added = 0;
  if (!doc_.addFolder(prefix + name + "\\", false, &added)) {
    ui_.inform(kCannotCreatePath);
    return;
  }
  const TreeItem item =
      tree_.InsertSorted(target, {name, kImageFolder, kImageFolder, kSelected, added});
  if (item == kNoItem) {
    // Take the folder back so that library and tree stay in step.
    doc_.removeFolder(added);
    if (!wasModified) doc_.setModifiedFlag(false);
    ui_.inform(kCannotInsertItem);
    return;
  }
  doc_.setModifiedFlag();
  recorder.commit(LibraryItemRef::folder(folder), LibraryItemRef::folder(added));
  tree_.ensureVisible(item);
  UpdateParentChecks(item);
  tree_.select(item);
}

// ---- Properties ------------------------------------------------------------------------

CommandState CLFView::OnUpdateProperties() const {
  CommandState state;
  state.enabled = tree_.exists(current_) && IsBookmarkItem(current_);
  return state;
}

void CLFView::OnProperties() {
  const TreeItem item = tree_.selected();
  if (!OnUpdateProperties().enabled || !tree_.exists(item) || !IsBookmarkItem(item)) return;
  const std::uint32_t index = tree_.data(item);
  if (index >= doc_.bookmarkCount()) return;
  const BookmarkRecord& record = doc_.bookmark(index);
  CPropertiesDlg dialog;
  dialog.name = record.name;
  dialog.url = record.url;
  dialog.dateAdded = CLFDoc::formatDate(record.addDate);
  dialog.dateModified = CLFDoc::formatDate(record.modifiedDate);
  dialog.lastVisit = CLFDoc::formatDate(record.visitDate);
  if (!ui_.runDialog(dialog) || dialog.url == doc_.bookmark(index).url) return;
  EditRecorder recorder(doc_, "Properties");
  recorder.keepBookmark(index);
  doc_.setBookmarkUrl(index, dialog.url);
  doc_.setModifiedFlag();
  recorder.commit(LibraryItemRef::bookmark(index), LibraryItemRef::bookmark(index));
}

// ---- Expand All and Collapse All ----------------------------------------------------------

void CLFView::OnExpandAll() {
  const TreeItem root = tree_.root();
  if (root == kNoItem) return;
  setExpansionOfAllFolders(*this, CSortedTreeCtrl::Expand::Expand);
  if (tree_.selected() == kNoItem) tree_.select(root);
  tree_.ensureVisible(tree_.selected());
}

void CLFView::OnCollapseAll() {
  const TreeItem root = tree_.root();
  if (root == kNoItem) return;
  setExpansionOfAllFolders(*this, CSortedTreeCtrl::Expand::Collapse);
  tree_.select(root);
}

}  // namespace linkfold
