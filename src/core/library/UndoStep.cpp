#include "library/UndoStep.h"

#include <algorithm>
#include <utility>

#include "library/CLFDoc.h"

namespace linkfold {

namespace {

std::size_t textBytes(const std::string& text) {
  // Short texts live inside the string object itself.
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

// Takes the records at `ascending` out of the table into `out` (reserved by the caller) and
// closes the gaps; allocates nothing.
void takeOut(std::vector<BookmarkRecord>& table, const std::vector<std::uint32_t>& ascending,
             std::vector<IndexedBookmark>& out) {
  if (ascending.empty()) return;
  std::size_t next = 0, kept = ascending.front();
  for (std::size_t i = kept; i < table.size(); ++i) {
    if (next < ascending.size() && ascending[next] == i) {
      out.push_back({ascending[next++], std::move(table[i])});
      continue;
    }
    if (kept != i) table[kept] = std::move(table[i]);
    ++kept;
  }
  table.erase(table.begin() + static_cast<std::ptrdiff_t>(kept), table.end());
}

// Puts the records back at their indexes (ascending, as in the resulting table) into a table
// reserved for them, moving each kept record once, from the back; allocates nothing.
void putBack(std::vector<BookmarkRecord>& table, std::vector<IndexedBookmark>& records) {
  std::size_t from = table.size();
  table.resize(table.size() + records.size());
  std::size_t r = records.size();
  for (std::size_t to = table.size(); r > 0 && to-- > 0;) {
    if (records[r - 1].index == to)
      table[to] = std::move(records[--r].record);
    else
      table[to] = std::move(table[--from]);
  }
}

}  // namespace

std::size_t bytesHeld(const BookmarkRecord& record) {
  return sizeof record + textBytes(record.name) + textBytes(record.url) +
         textBytes(record.description);
}

std::size_t bytesHeld(const FolderEntry& entry) {
  return sizeof entry + textBytes(entry.path);
}

TableEditStep::TableEditStep(std::string name, Record record, LibraryItemRef focusBefore,
                             LibraryItemRef focusAfter)
    : UndoStep(std::move(name), focusBefore, focusAfter),
      outside_(std::move(record.removed)),
      inside_(std::move(record.added)),
      edited_(std::move(record.editedBefore)),
      folders_(std::move(record.foldersBefore)),
      removedFolders_(std::move(record.removedFolders)) {
  countBytes();
}

void TableEditStep::countBytes() {
  bytes_ = sizeof *this + inside_.size() * sizeof(std::uint32_t) +
           removedFolders_.size() * sizeof(std::uint32_t);
  for (const auto& r : outside_) bytes_ += bytesHeld(r.record);
  for (const auto& r : edited_) bytes_ += bytesHeld(r.record);
  if (folders_)
    for (const auto& f : *folders_) bytes_ += bytesHeld(f);
}

std::optional<UndoStep::RecordChanges> TableEditStep::recordChanges() const {
  const bool movesRecords = !outside_.empty() || !inside_.empty();
  if (folders_ || (movesRecords && !edited_.empty())) return std::nullopt;
  RecordChanges changes;
  for (const auto& r : edited_) changes.edited.push_back(r.index);
  changes.leaving = inside_;
  for (const auto& r : outside_) changes.coming.push_back(r.index);
  return changes;
}

void TableEditStep::apply(CLFDoc& doc, bool toBefore) {
  auto& table = doc.bookmarks_;
  // Everything that allocates comes first.
  std::vector<IndexedBookmark> takenOut;
  takenOut.reserve(inside_.size());
  table.reserve(table.size() - inside_.size() + outside_.size());
  std::vector<std::uint32_t> places;
  places.reserve(outside_.size());
  // A kept record's folder index, from the one folder table to the other.
  std::vector<std::uint32_t> folderMap;
  FolderIndex folderIndex;
  if (folders_) {
    folderIndex.rebuild(*folders_);
    if (!removedFolders_.empty()) {
      const std::size_t beforeCount = toBefore ? folders_->size() : doc.folders_.size();
      std::size_t removed = 0;
      for (std::uint32_t f = 0; f < beforeCount; ++f) {
        const bool gone = removed < removedFolders_.size() && removedFolders_[removed] == f;
        if (gone) {
          ++removed;
        } else if (toBefore) {
          folderMap.push_back(f);  // after index folderMap.size() - 1 was before index f
        }
        if (!toBefore) folderMap.push_back(static_cast<std::uint32_t>(f - removed));
      }
    }
  }

  const auto swapEdited = [&] {
    for (auto& r : edited_) std::swap(table[r.index], r.record);
  };
  if (toBefore) swapEdited();
  takeOut(table, inside_, takenOut);
  if (folders_) {
    if (!folderMap.empty())
      for (auto& b : table)
        if (b.folder < folderMap.size()) b.folder = folderMap[b.folder];
    std::swap(doc.folders_, *folders_);
    std::swap(doc.folderIndex_, folderIndex);
  }
  for (const auto& r : outside_) places.push_back(r.index);
  putBack(table, outside_);
  if (!toBefore) swapEdited();

  inside_ = std::move(places);
  outside_ = std::move(takenOut);
  doc.bookmarksChanged();
  doc.shrinkBookmarkCapacity();
  countBytes();
}

TablesSnapshotStep::TablesSnapshotStep(std::string name, LibraryTables before)
    : UndoStep(std::move(name), {}, {}), other_(std::move(before)) {
  countBytes();
}

void TablesSnapshotStep::countBytes() {
  bytes_ = sizeof *this;
  for (const auto& f : other_.folders) bytes_ += bytesHeld(f);
  for (const auto& b : other_.bookmarks) bytes_ += bytesHeld(b);
}

void TablesSnapshotStep::apply(CLFDoc& doc, bool) {
  FolderIndex folderIndex;
  folderIndex.rebuild(other_.folders);
  std::swap(doc.folders_, other_.folders);
  std::swap(doc.bookmarks_, other_.bookmarks);
  std::swap(doc.bookmarkCapacity_, other_.bookmarkCapacity);
  std::swap(doc.netscapeTitle_, other_.netscapeTitle);
  std::swap(doc.folderIndex_, folderIndex);
  doc.bookmarksChanged();
  countBytes();
}

}  // namespace linkfold
