#include "library/UndoRecorder.h"

#include <memory>
#include <new>

#include "library/CLFDoc.h"

namespace linkfold {

EditRecorder::EditRecorder(CLFDoc& doc, std::string name)
    : doc_(doc), name_(std::move(name)), countBefore_(doc.bookmarkCount()) {}

void EditRecorder::keepFolders() {
  try {
    if (!record_.foldersBefore) record_.foldersBefore = doc_.folders();
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
}

void EditRecorder::keepBookmark(std::uint32_t index) {
  try {
    record_.editedBefore.push_back({index, doc_.bookmark(index)});
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
}

void EditRecorder::removingBookmarks(const std::vector<std::uint32_t>& ascending) {
  try {
    record_.removed.reserve(record_.removed.size() + ascending.size());
    for (std::uint32_t index : ascending)
      if (index < doc_.bookmarkCount()) record_.removed.push_back({index, doc_.bookmark(index)});
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
}

void EditRecorder::removingFolders(const std::vector<std::uint32_t>& ascending) {
  try {
    record_.removedFolders.insert(record_.removedFolders.end(), ascending.begin(), ascending.end());
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
}

void EditRecorder::commit(LibraryItemRef focusBefore, LibraryItemRef focusAfter) {
  UndoStack& stack = doc_.undoStack();
  try {
    if (!failed_) {
      const auto kept = static_cast<std::uint32_t>(countBefore_ - record_.removed.size());
      for (std::uint32_t i = kept; i < doc_.bookmarkCount(); ++i) record_.added.push_back(i);
      stack.push(doc_, std::make_unique<TableEditStep>(name_, std::move(record_), focusBefore,
                                                       focusAfter));
      return;
    }
  } catch (const std::bad_alloc&) {
  }
  stack.forgetAll();
  doc_.setModifiedFlag();
}

std::optional<LibraryTables> copyTables(const CLFDoc& doc) {
  try {
    return LibraryTables{doc.folders(), doc.bookmarks(), doc.bookmarkCapacity(),
                         doc.netscapeTitle()};
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

void recordTablesStep(CLFDoc& doc, std::string name, std::optional<LibraryTables> before) {
  if (!doc.isModified()) return;
  try {
    if (before) {
      doc.undoStack().push(
          doc, std::make_unique<TablesSnapshotStep>(std::move(name), std::move(*before)));
      return;
    }
  } catch (const std::bad_alloc&) {
  }
  doc.undoStack().forgetAll();
}

}  // namespace linkfold
