#pragma once
// CLFDoc: the library document. It owns the folder table and the bookmark table and every text
// in them; everything else refers to folders and bookmarks by index.

#include <cstdint>
#include <ctime>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/BrowserDetection.h"
#include "library/LibraryIndexes.h"
#include "library/LibraryTypes.h"
#include "library/UndoStack.h"

namespace linkfold {

class UiPort;
class SettingsStore;
class TextFile;
class CStatDlg;
class CLFDoc;

// The seam through which the import run joins New and Open without the library knowing the
// browser readers. Without a hook, New leaves only the root and Open reads the file alone.
class DocumentImportHook {
 public:
  virtual ~DocumentImportHook() = default;
  // Replaces the plain creation of the root folder in New.
  virtual void onNewDocument(CLFDoc& doc) = 0;
  // Runs after the loader's messages, unless the library is opened exclusively.
  virtual void onOpenDocument(CLFDoc& doc) = 0;
};

class CLFDoc {
 public:
  static constexpr std::size_t kCapacityStep = 32;
  // The longest full path of a folder, the Favorites path in front of it, in characters.
  static constexpr std::size_t kMaxFullPath = 200;

  CLFDoc(UiPort& ui, SettingsStore& settings, std::string logPath, BrowserDetection browsers = {});
  ~CLFDoc();
  CLFDoc(const CLFDoc&) = delete;
  CLFDoc& operator=(const CLFDoc&) = delete;

  UiPort& ui() const { return ui_; }
  SettingsStore& settings() const { return settings_; }
  const BrowserDetection& browsers() const { return browsers_; }
  void setImportHook(DocumentImportHook* hook) { importHook_ = hook; }

  // ---- The two tables -------------------------------------------------------------------
  const std::vector<FolderEntry>& folders() const { return folders_; }
  const std::vector<BookmarkRecord>& bookmarks() const { return bookmarks_; }
  std::uint32_t folderCount() const { return static_cast<std::uint32_t>(folders_.size()); }
  std::uint32_t bookmarkCount() const { return static_cast<std::uint32_t>(bookmarks_.size()); }
  // The bookmark table's capacity, which moves in steps of 32 records.
  std::size_t bookmarkCapacity() const { return bookmarkCapacity_; }
  const FolderEntry& folder(std::uint32_t index) const { return folders_[index]; }
  const BookmarkRecord& bookmark(std::uint32_t index) const { return bookmarks_[index]; }

  // Field edits; they keep the indexes right and do not touch the modified flag.
  void setFolderListed(std::uint32_t index, bool listed) {
    folders_[index].listed = listed ? 1 : 0;
  }
  void setFolderSelection(std::uint32_t index, std::uint32_t state) {
    folders_[index].selection = state;
    noteChange();
  }
  void setFolderLocked(std::uint32_t index, bool locked) {
    folders_[index].locked = locked;
    noteChange();
  }
  void setBookmarkName(std::uint32_t index, std::string name);
  void setBookmarkUrl(std::uint32_t index, std::string url);
  void setBookmarkFolder(std::uint32_t index, std::uint32_t folder);

  // Finds the folder (ignoring ASCII case) or creates it with every missing ancestor; ancestors
  // are appended after the folder. What it creates below a folder that exists takes that
  // folder's stored path as written, whatever the letter case of `path`, so every stored path
  // begins with its parent's. Fails, with the tables as they were, only for lack of memory.
  bool addFolder(std::string_view path, bool locked, std::uint32_t* index = nullptr);
  // The same for the library loader: the path is stored as the file holds it.
  bool addLoadedFolder(std::string_view path, bool locked, std::uint32_t* index);
  // The same for a record whose texts are already owned (a loader hands them over).
  // `key`, when given, is what prefetchBookmark() returned for the record as it is.
  bool addBookmark(BookmarkRecord record, std::uint32_t* index = nullptr,
                   std::optional<std::uint32_t> key = std::nullopt);
  // Asks the processor to fetch what adding the record will read first; returns its key.
  std::uint32_t prefetchBookmark(const BookmarkRecord& record) const {
    return bookmarkIndex_.prefetch(record);
  }
  // How many bytes of path text addFolder(path) would add: the path and every missing ancestor.
  // Counting stops once the sum passes `budget`; the result is then some value above it.
  std::size_t pathBytesToAdd(std::string_view path, std::size_t budget) const;
  // Appends the bookmark unless the folder already holds one with the same name (ignoring ASCII
  // case) and the same URL, or the same URL with one trailing "/" more or less; then reports
  // that record's index instead and changes nothing. An empty description means none.
  bool addBookmark(std::uint32_t folder, std::string_view name, std::string_view url,
                   std::string_view description, std::uint32_t addDate, std::uint32_t modifiedDate,
                   std::uint32_t visitDate, std::uint32_t* index = nullptr);
  // Prepares storage for `count` more records (a loader that knows roughly how many follow).
  void reserveBookmarks(std::size_t count);
  // Removes one record (later records move down) and marks the library modified. An index
  // past the table changes nothing, the modified flag included.
  void removeBookmark(std::uint32_t index);
  // Removes the records at the given indexes (ascending, as they are now) in one pass; the
  // same as removing them one by one from the last to the first.
  void removeBookmarks(const std::vector<std::uint32_t>& ascending);

  // ---- Folder restructuring ---------------------------------------------------------------
  // Removes an empty folder and renumbers later folder indexes. Does not mark the library
  // modified. Refuses, returning false, the root, an index past the table and a folder that
  // holds sub-folders or bookmarks.
  bool removeFolder(std::uint32_t index);
  // Removes several folders (ascending) in one pass, renumbering as remove-folder does. Refuses,
  // changing nothing, the root, an index past the table, and a set that leaves a bookmark or a
  // sub-folder without its folder.
  bool removeFolders(const std::vector<std::uint32_t>& ascending);
  // Renames the folder to `newName` (already cleaned) and rewrites the paths below it. Fails
  // when a path would grow past 200 characters with the Favorites path in front of it.
  bool renameFolder(std::uint32_t index, std::string_view newName);
  // Re-parents folder `source` under `destination` with everything inside it and derives the
  // selection states again. Fails on a path too long or a name already in the destination.
  bool moveFolder(std::uint32_t source, std::uint32_t destination);

  // The folder with this path (ignoring ASCII case), if any.
  std::optional<std::uint32_t> findFolder(std::string_view path) const {
    return folderIndex_.find(path);
  }
  static std::string folderDisplayName(std::string_view path);
  // The path of the folder's parent: X\Y\Z\ gives X\Y\ ; a top-level path or the root gives
  // an empty text (the parent is the root).
  static std::string_view parentPath(std::string_view path);
  // The first folder from index 1 whose parent is `parent` and whose listed mark is clear.
  std::optional<std::uint32_t> findUnlistedChild(std::uint32_t parent) const;
  void clearListedMarks();
  // Asks before an export when nothing is selected; true to proceed.
  bool confirmSelection();
  static std::string formatDate(std::uint32_t date);
  // Empties both tables; the folder table is then without a root.
  void DeleteContents();

  // ---- Name rules -------------------------------------------------------------------------
  char replacementChar() const { return replacementChar_; }
  void setReplacementChar(char c) { replacementChar_ = c; }
  // Replaces characters that file names cannot hold and trims white space.
  std::string cleanItemName(std::string_view name) const;
  // Sorts the bookmark table by name (ignoring ASCII case), then by folder index.
  void sortBookmarks();
  // Status texts, sort, duplicate-name resolution, second sort when anything was renamed.
  void sortAndResolve();
  // Renames bookmarks whose names repeat within a folder; true when any was renamed.
  bool resolveDuplicateNames();

  // ---- Import log and status window -------------------------------------------------------
  const std::string& logPath() const { return logPath_; }
  void setClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }
  bool createLog();
  void logLine(std::string_view text);
  void logNonFatal(std::string_view line, std::string_view reason);
  void logFatal(std::string_view message);
  void closeLog();
  bool hasOpenLog() const { return log_ != nullptr; }
  // Set by closeLog when a write to the log or its close failed; cleared by createLog.
  bool logWriteFailed() const { return logWriteFailed_; }
  // "<log path>: <system's reason>" after the log could not be created or written.
  const std::string& logError() const { return logError_; }
  bool adjustmentFlag() const { return adjustment_; }
  void setAdjustmentFlag() {
    adjustment_ = true;
    ++adjustmentCount_;
  }
  // Every adjustment made since the document was constructed (the flag is per import run).
  std::size_t adjustmentCount() const { return adjustmentCount_; }
  // The status window of the running import, or null.
  CStatDlg* statusWindow() const { return status_.get(); }
  void openStatusWindow();
  void closeStatusWindow();
  // "&Import Log": enabled when the log exists and can be read.
  bool canViewImportLog() const;
  void OnViewImportLog();

  // ---- Netscape title ----------------------------------------------------------------------
  // The heading of the Netscape file read last, written back as the title of Netscape exports.
  static constexpr const char* kDefaultNetscapeTitle = "Bookmarks Exported by Linkfold";
  const std::string& netscapeTitle() const { return netscapeTitle_; }
  void setNetscapeTitle(std::string title) { netscapeTitle_ = std::move(title); }

  // ---- Import flags -----------------------------------------------------------------------
  bool contentAdded() const { return contentAdded_; }
  bool contentChanged() const { return contentChanged_; }
  void clearContentFlags() { contentAdded_ = contentChanged_ = false; }
  void setContentChanged() { contentChanged_ = true; }
  bool detectionNotice() const { return detectionNotice_; }
  void clearDetectionNotice() { detectionNotice_ = false; }

  // ---- Library file and document commands -------------------------------------------------
  void Serialize(std::ostream& out) const;    // store
  void Serialize(std::string_view contents);  // load: stops on damage, keeps what was read
  bool OnNewDocument();
  bool OnOpenDocument(const std::string& path);
  bool loadFailed() const { return loadFailed_; }
  bool internalError() const { return internalError_; }
  bool dataRead() const { return dataRead_; }
  // The library file that the last open read only in part (or not at all): a save over it
  // keeps its original first.
  const std::string& damagedFile() const { return damagedFile_; }
  bool exclusiveOpen() const { return exclusiveOpen_; }
  void setExclusiveOpen(bool on) { exclusiveOpen_ = on; }
  // A library without a root folder cannot be read back: it is never written.
  bool hasRoot() const { return !folders_.empty(); }
  // Save, Save As and Text only are enabled exactly when the library has its root and holds
  // bookmarks.
  bool canSave() const { return hasRoot() && !bookmarks_.empty(); }

  // Moves on with every change to the two tables (texts, order, structure, selection and lock
  // states; not the listed marks): whatever was worked out from the tables at one revision is
  // still right while the revision stays the same.
  std::uint64_t revision() const { return revision_; }

  // The steps that undo and redo take; New and Open start it afresh.
  UndoStack& undoStack() { return undo_; }
  const UndoStack& undoStack() const { return undo_; }

  // The framework's document state.
  bool isModified() const { return modified_; }
  void setModifiedFlag(bool modified = true) { modified_ = modified; }
  const std::string& pathName() const { return pathName_; }
  const std::string& title() const { return title_; }
  void setPathName(const std::string& path);  // also sets the title to the file's name
  void setDefaultTitle();                     // "Untitled", no path

 private:
  // The steps swap their records with the tables directly.
  friend class TableEditStep;
  friend class TablesSnapshotStep;

  enum class ParentSpelling { Stored, AsGiven };
  bool addFolder(std::string_view path, bool locked, std::uint32_t* index, ParentSpelling parent);
  bool appendFolder(std::string_view path, bool locked, std::uint32_t* index,
                    ParentSpelling parent);
  void shrinkBookmarkCapacity();
  void noteChange() { ++revision_; }
  // The bookmark table changed in place: its index is stale and the revision moves on.
  void bookmarksChanged() {
    bookmarkIndex_.invalidate();
    noteChange();
  }
  void deriveSelection(std::uint32_t folder);

  UiPort& ui_;
  SettingsStore& settings_;
  std::string logPath_;
  std::string damagedFile_;
  std::string logError_;
  BrowserDetection browsers_;
  DocumentImportHook* importHook_ = nullptr;

  std::vector<FolderEntry> folders_;
  std::vector<BookmarkRecord> bookmarks_;
  std::size_t bookmarkCapacity_ = 0;
  FolderIndex folderIndex_;
  BookmarkIndex bookmarkIndex_;

  char replacementChar_ = '$';
  std::string netscapeTitle_ = kDefaultNetscapeTitle;
  std::function<std::time_t()> clock_;
  std::unique_ptr<TextFile> log_;
  std::unique_ptr<CStatDlg> status_;

  bool adjustment_ = false;
  std::size_t adjustmentCount_ = 0;
  bool logWriteFailed_ = false;
  bool contentAdded_ = false;
  bool contentChanged_ = false;
  bool loadFailed_ = false;
  bool internalError_ = false;
  bool dataRead_ = false;
  bool exclusiveOpen_ = false;
  bool detectionNotice_ = true;
  bool modified_ = false;
  std::uint64_t revision_ = 0;
  UndoStack undo_;
  std::string pathName_;
  std::string title_ = "Untitled";
};

}  // namespace linkfold
