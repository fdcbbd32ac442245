#pragma once
// CLFView: the library tree view's state and commands. It fills the tree from the library,
// keeps the two in step item by item, carries the check boxes that select folders for export,
// and holds the view's options and the drag state. The Qt widget that displays it only shows
// the tree and forwards the user's clicks, keys and commands here.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "library/BookmarkClipboard.h"
#include "library/UndoStep.h"
#include "view/BookmarkFilter.h"
#include "view/CSortedTreeCtrl.h"
#include "view/CommandIds.h"
#include "view/ViewOptions.h"

namespace linkfold {

class CLFDoc;
class UiPort;
class SettingsStore;

// Where a point falls relative to the tree, as the tree's hit test reports it.
enum HitFlags : unsigned {
  kHitNowhere = 0,
  kHitOnIcon = 1u << 0,
  kHitOnLabel = 1u << 1,
  kHitOnStateIcon = 1u << 2,
  kHitOnIndent = 1u << 3,
  kHitOnButton = 1u << 4,
  kHitOnRight = 1u << 5,  // right of the label, on the item's row
  kHitAbove = 1u << 6,    // outside the tree
  kHitBelow = 1u << 7,
  kHitToLeft = 1u << 8,
  kHitToRight = 1u << 9,
};

struct HitTest {
  TreeItem item = kNoItem;
  unsigned flags = kHitNowhere;
};

// Which folders are expanded and which item is selected, by what they are (folder paths, a
// bookmark's folder, name and URL), so that it can be taken again after the tree is rebuilt.
struct TreeState {
  std::vector<std::string> expandedFolders;
  std::string selectedFolder;  // the selected item's folder (a bookmark's own folder)
  std::optional<std::pair<std::string, std::string>> selectedBookmark;  // name, URL
  bool hasSelection = false;
};

// One step of automatic scrolling while dragging outside the tree.
enum class ScrollStep { None, LineUp, LineDown, LineLeft, LineRight };

class CLFView : public TreeObserver {
 public:
  // Reads the view's options from the settings (the window's creation).
  CLFView(CLFDoc& doc, UiPort& ui, SettingsStore& settings);
  // Writes the three option flags back (the view's destruction).
  ~CLFView() override;
  CLFView(const CLFView&) = delete;
  CLFView& operator=(const CLFView&) = delete;

  CSortedTreeCtrl& tree() { return tree_; }
  const CSortedTreeCtrl& tree() const { return tree_; }
  CLFDoc& document() const { return doc_; }
  UiPort& ui() const { return ui_; }
  ViewOptions& options() { return options_; }
  const ViewOptions& options() const { return options_; }
  // The item last reported selected; the root after every rebuild.
  TreeItem currentItem() const { return current_; }

  // ---- Filling and the kinds of items ----
  // Every command and event below that takes an item handle ignores a handle of no live item.
  bool FillTree(std::uint32_t folder, TreeItem parent);
  // Rebuilds the whole tree from the library (the document's update).
  void OnUpdate();
  bool IsFolderItem(TreeItem item) const;
  bool IsBookmarkItem(TreeItem item) const;
  bool IsLockedItem(TreeItem item) const;

  // ---- Check boxes ----
  void SetFolderCheck(TreeItem item, bool selected);
  void UpdateParentChecks(TreeItem item);
  // A click: toggles the check box when the click is on the item's state icon.
  void OnClick(const HitTest& hit);
  // The Space key; returns the notification result (1: the key was used).
  int OnSpaceKey();
  // A double click: Properties on a bookmark hit on its icon, label or state icon.
  void OnDoubleClick(const HitTest& hit);
  // A right click: selects the hit item and returns its context menu (empty: no menu).
  std::vector<MenuEntry> OnRightClick(const HitTest& hit);

  // ---- Keeping the tree's state across rebuilds, and the filter (CLFViewFilter.cpp) ----
  TreeState captureTreeState() const;
  // Expands the folders that still exist and selects the item, when it still exists.
  void restoreTreeState(const TreeState& state);
  // Rebuilds the tree (OnUpdate) keeping its expansion and selection.
  void RefillKeepingState();
  // Shows only the bookmarks whose name or URL contains `text` (ignoring case) with their
  // folders, all expanded; an empty text shows the whole tree again as it was before. The
  // search runs here, on the caller's thread.
  void setFilter(std::string_view text);
  // The same in three steps, for a search on a worker thread: startFilter (here) makes the job,
  // whose run() may go anywhere; applyFilter (here again) shows its result, unless a newer job
  // started meanwhile or the library changed since (then start again for the current text).
  BookmarkFilter::Job startFilter(std::string_view text);
  BookmarkFilter::Outcome applyFilter(const BookmarkFilter::Job& job,
                                      std::optional<FilterMatches> result);
  // The searches under way stop, and their results will not be shown.
  void supersedeFilterSearches() { filter_.supersede(); }
  // Drops the filter at once, back to the tree as it was before (what was selected while
  // filtering stays selected).
  void clearFilter();
  const std::string& filterText() const { return filterText_; }
  // Folds the library's texts ahead of the first keystroke (the filter box took the keyboard);
  // they are folded once per change of the library.
  void prepareFilter() { filter_.prepare(doc_); }
  bool isFiltering() const { return !filterText_.empty(); }
  // The filter lists at most this many bookmarks (the first by name): a tree of them is built
  // between two keystrokes, whatever the size of the library.
  static constexpr std::size_t kFilterShownLimit = 5000;
  // How many bookmarks match the filter, and how many of them the tree shows.
  std::size_t filterMatchCount() const { return filterMatches_; }
  std::size_t filterShownCount() const { return std::min(filterMatches_, kFilterShownLimit); }

  // ---- Opening and the clipboard (CLFViewClipboard.cpp) ----
  // The selected bookmark, or the bookmarks directly in the selected folder, in tree order.
  std::vector<std::uint32_t> selectedBookmarks() const;
  bool hasSelectedBookmarks() const;
  // Enabled on a bookmark and on a folder that holds bookmarks; on a folder the text says
  // "Open All".
  CommandState OnUpdateOpenInBrowser() const;
  // Opens the bookmarks with the desktop's URL handler, asking first for more than ten.
  void OnOpenInBrowser();
  CommandState OnUpdateCopy() const;
  ClipboardData OnCopy() const;
  CommandState OnUpdateCut() const;
  CommandState OnUpdatePaste() const;
  // Adds the clipboard's bookmarks to the selected folder (a bookmark's own folder).
  void OnPaste(const ClipboardData& data);

  // ---- Renumbering after a removal from the library ----
  void RenumberBookmarkItems(TreeItem start, std::uint32_t removed);
  void RenumberFolderItems(TreeItem start, std::uint32_t removed);
  // After several folders and bookmarks left their tables at once (indexes as they were,
  // ascending): every item of the tree.
  void RenumberAllItems(const std::vector<std::uint32_t>& removedFolders,
                        const std::vector<std::uint32_t>& removedBookmarks);

  // ---- Editing commands ----
  CommandState OnUpdateRename() const;
  void OnRename();
  CommandState OnUpdateDelete() const;
  void OnDelete();
  void OnNewFolder();
  CommandState OnUpdateProperties() const;
  void OnProperties();
  // Undo and redo: the library takes one step of its undo stack, the tree is rebuilt and the
  // item the step touched is selected and made visible.
  CommandState OnUpdateUndo() const;
  void OnUndo();
  CommandState OnUpdateRedo() const;
  void OnRedo();
  void OnExpandAll();
  void OnCollapseAll();
  // Re-sorting (destination = the item's own parent) and, through the drop forms, real moves.
  void MoveBookmarkItem(TreeItem bookmark, TreeItem destination);
  void MoveFolderItem(TreeItem folder, TreeItem destination);
  TreeItem CopySubtree(TreeItem item, TreeItem newParent);

  // ---- Drag and drop ----
  void OnBeginDrag(TreeItem item);
  bool isDragging() const { return dragging_; }
  TreeItem draggedItem() const { return dragged_; }
  // Pointer movement while dragging: highlights the hit item, or says which way to scroll.
  ScrollStep OnDragMove(const HitTest& hit);
  // The pause between two scroll steps, in milliseconds (0: none).
  int autoScrollPause() const;
  void OnDrop(const HitTest& hit);
  void OnCancelDrag();

  // ---- TreeObserver: follows the tree's selection ----
  void selectionChanged(TreeItem item) override { current_ = item; }

 private:
  // A check box shows the folder's selection state; the two are always written together.
  void writeSelection(TreeItem item, std::uint32_t state);
  void toggleCheck(TreeItem item);
  void deleteFolder(TreeItem item);
  void deleteFolderTree(TreeItem item);
  void takeUndoStep(bool undo);
  // The items of some bookmark records and of every folder, found in one walk of the tree.
  struct ItemsOfRecords {
    std::vector<std::pair<std::uint32_t, TreeItem>> bookmarks;  // record index, item
    std::vector<TreeItem> folders;                              // by folder index
    bool complete = false;
  };
  ItemsOfRecords itemsOf(std::vector<std::uint32_t> bookmarks) const;
  // After the step: the edited records' items moved to their sorted places, or the leaving
  // records' items gone, every bookmark item renumbered and the coming records' items added.
  // Each returns the items it placed; a refused insertion clears `items.complete`.
  std::vector<std::pair<std::uint32_t, TreeItem>> moveEditedItems(ItemsOfRecords& items);
  std::vector<std::pair<std::uint32_t, TreeItem>> replaceRecordItems(
      ItemsOfRecords& items, const UndoStep::RecordChanges& changes, std::uint32_t countBefore);
  TreeItem itemFor(const LibraryItemRef& ref) const;
  TreeItem itemToSelectAfterMove(TreeItem bookmark) const;
  void dropBookmark(TreeItem bookmark, TreeItem target);
  void dropFolder(TreeItem folder, TreeItem target);
  void endDrag();
  // Works out which folders and bookmarks the tree shows for the filter's current result.
  void computeShown();
  // Shows the filter's current result, found for `text`.
  void showFiltered(std::string_view text);
  // Puts the full tree back when nothing changed since it was set aside; false otherwise.
  bool putFullTreeBack();
  bool isBookmarkOfLibrary(TreeItem item) const;
  // Fills the tree again from the library (what the filter shows, while filtering) and selects
  // the root.
  void refill();
  bool filterShowsFolder(std::uint32_t f) const {
    return shownFolders_.empty() || (f < shownFolders_.size() && shownFolders_[f]);
  }

  CLFDoc& doc_;
  UiPort& ui_;
  SettingsStore& settings_;
  CSortedTreeCtrl tree_;
  ViewOptions options_;
  TreeItem current_ = kNoItem;
  bool dragging_ = false;
  TreeItem dragged_ = kNoItem;
  TreeItem dropTarget_ = kNoItem;
  BookmarkFilter filter_;
  std::string filterText_;
  std::vector<char> shownFolders_;             // empty: every folder is shown
  std::vector<std::uint32_t> shownBookmarks_;  // while filtering: those shown, ascending
  std::size_t filterMatches_ = 0;
  TreeState beforeFilter_;
  // The full tree while filtering, with the folders' listed marks and the library revision
  // it showed.
  CSortedTreeCtrl::Items fullTree_;
  std::vector<char> fullTreeListed_;
  std::uint64_t fullTreeRevision_ = 0;
};

}  // namespace linkfold
