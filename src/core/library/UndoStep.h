#pragma once
// One undoable command as the undo stack keeps it. A step holds the part of the library that
// is not in the tables right now: the records a delete took out (while it stands), the records
// an undone paste or import put in (while it is undone), the other version of records and
// folders edited in place. Undo and redo swap that part with the tables, so the same step goes
// back and forth any number of times, and an apply either completes or changes nothing: all
// the memory it needs is taken before the first change.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "library/LibraryTypes.h"

namespace linkfold {

class CLFDoc;

// A record and its place in the bookmark table.
struct IndexedBookmark {
  std::uint32_t index = 0;
  BookmarkRecord record;
};

// Both tables as one value, as an import step keeps them.
struct LibraryTables {
  std::vector<FolderEntry> folders;
  std::vector<BookmarkRecord> bookmarks;
  std::size_t bookmarkCapacity = 0;
  std::string netscapeTitle;
};

// The item to select once a step was applied.
struct LibraryItemRef {
  enum class Kind { None, Folder, Bookmark };
  Kind kind = Kind::None;
  std::uint32_t index = 0;

  static LibraryItemRef folder(std::uint32_t i) { return {Kind::Folder, i}; }
  static LibraryItemRef bookmark(std::uint32_t i) { return {Kind::Bookmark, i}; }
};

class UndoStep {
 public:
  UndoStep(std::string name, LibraryItemRef focusBefore, LibraryItemRef focusAfter)
      : name_(std::move(name)), focusBefore_(focusBefore), focusAfter_(focusAfter) {}
  virtual ~UndoStep() = default;
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

  // The command's name for the menu: "Rename" gives "Undo Rename" and "Redo Rename".
  const std::string& name() const { return name_; }
  // The bytes of library data the step holds now.
  virtual std::size_t recordedBytes() const = 0;
  // Brings the library from the state after the command to the state before it (toBefore)
  // or back. Throws std::bad_alloc, with the library unchanged, when memory runs out.
  virtual void apply(CLFDoc& doc, bool toBefore) = 0;
  LibraryItemRef focus(bool before) const { return before ? focusBefore_ : focusAfter_; }
  // What the next apply does to the bookmark table, when it changes nothing else: records
  // edited in place, or records leaving (their indexes now) and coming (their indexes after).
  // A view can then update just their items. None otherwise.
  struct RecordChanges {
    std::vector<std::uint32_t> edited, leaving, coming;
  };
  virtual std::optional<RecordChanges> recordChanges() const { return std::nullopt; }

 private:
  std::string name_;
  LibraryItemRef focusBefore_, focusAfter_;
};

// The bytes a record or a folder entry takes, its texts included.
std::size_t bytesHeld(const BookmarkRecord& record);
std::size_t bytesHeld(const FolderEntry& entry);

// An edit kept as its inverse: bookmarks taken out or put in at known places, records and the
// folder table edited in place. Folders are only ever appended or removed; removing them lowers
// the folder indexes of the records that stay, which undo raises again.
class TableEditStep : public UndoStep {
 public:
  struct Record {
    std::vector<IndexedBookmark> removed;       // with their indexes before the command
    std::vector<std::uint32_t> added;           // indexes after the command, ascending
    std::vector<IndexedBookmark> editedBefore;  // records as they were, indexes after
    std::optional<std::vector<FolderEntry>> foldersBefore;
    std::vector<std::uint32_t> removedFolders;  // indexes before the command, ascending
  };
  TableEditStep(std::string name, Record record, LibraryItemRef focusBefore,
                LibraryItemRef focusAfter);

  std::size_t recordedBytes() const override { return bytes_; }
  void apply(CLFDoc& doc, bool toBefore) override;
  std::optional<RecordChanges> recordChanges() const override;

 private:
  void countBytes();

  // Records outside the table and where they go back in; the places of records in the table
  // that leave it on the next apply.
  std::vector<IndexedBookmark> outside_;
  std::vector<std::uint32_t> inside_;
  std::vector<IndexedBookmark> edited_;  // the other version of each record edited in place
  std::optional<std::vector<FolderEntry>> folders_;  // the other folder table
  std::vector<std::uint32_t> removedFolders_;
  std::size_t bytes_ = 0;
};

// A command that changes too much to keep as an inverse (an import sorts and renames the whole
// table): the other version of both tables.
class TablesSnapshotStep : public UndoStep {
 public:
  TablesSnapshotStep(std::string name, LibraryTables before);

  std::size_t recordedBytes() const override { return bytes_; }
  void apply(CLFDoc& doc, bool toBefore) override;

 private:
  void countBytes();

  LibraryTables other_;
  std::size_t bytes_ = 0;
};

}  // namespace linkfold
