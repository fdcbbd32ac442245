// The library file: writing and reading the two tables, and the New and Open hooks that empty
// the document, read a file and report a damaged one.

#include <algorithm>
#include <new>
#include <ostream>

#include "library/ArchiveString.h"
#include "library/CLFDoc.h"
#include "library/UndoRecorder.h"
#include "platform/Files.h"
#include "platform/UiPort.h"

namespace linkfold {

void CLFDoc::Serialize(std::ostream& out) const {
  writeU32(out, folderCount());
  for (const FolderEntry& f : folders_) writeArchiveString(out, f.path);
  writeU32(out, bookmarkCount());
  for (const BookmarkRecord& b : bookmarks_) {
    writeArchiveString(out, b.name);
    writeArchiveString(out, b.url);
    writeArchiveString(out, b.description);
    writeU32(out, b.folder);
    writeU32(out, b.addDate);
    writeU32(out, b.modifiedDate);
    writeU32(out, b.visitDate);
  }
}

namespace {

// Why reading stopped. The numbered codes are the loader's own; Damaged is the archive running
// out of data (or an index pointing nowhere), which the framework reports the same way.
enum class LoadStop { None = 0, AddFailed = 1, MapFailed = 3, PathRejected = 4, Damaged = 100 };

// A path the folder table can hold: the root, or components each followed by a backslash, none
// empty, "." or "..", and none holding a "/" or a NUL, which would split or cut the directory
// name when the folder is written out as a directory.
bool isWellFormedFolderPath(std::string_view path) {
  if (path == kRootPath) return true;
  if (path.empty() || path.back() != '\\') return false;
  path.remove_suffix(1);
  while (true) {
    const auto slash = path.find('\\');
    const std::string_view component = path.substr(0, slash);
    if (component.empty() || component == "." || component == ".." ||
        component.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos)
      return false;
    if (slash == std::string_view::npos) return true;
    path.remove_prefix(slash + 1);
  }
}

// Reads the tables into the document. Lengths and counts are never trusted: a count is read
// through until the data runs out, and nothing is allocated beyond what the rest of the file
// can hold.
class LibraryReader {
 public:
  LibraryReader(CLFDoc& doc, std::string_view contents)
      : doc_(doc), in_(contents), pathBudget_(contents.size()) {}

  LoadStop run() {
    try {
      const LoadStop stop = readFolders();
      return stop == LoadStop::None ? readBookmarks() : stop;
    } catch (const std::bad_alloc&) {
      return LoadStop::AddFailed;
    }
  }
  bool dataRead() const { return dataRead_; }

 private:
  LoadStop readFolders() {
    std::uint32_t count = 0;
    if (!in_.readU32(count)) return LoadStop::Damaged;
    try {
      // Every path takes at least one byte of the file.
      folderMap_.reserve(std::min<std::size_t>(count, in_.remaining()));
    } catch (const std::bad_alloc&) {
      return LoadStop::MapFailed;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
      const auto path = readArchiveString(in_);
      if (!path) return LoadStop::Damaged;
      // The first path must be the root: index 0 is the root everywhere else.
      if (i == 0 ? *path != kRootPath : !isWellFormedFolderPath(*path))
        return LoadStop::PathRejected;
      // A saved library names every folder itself, so its paths never add up to more than the
      // file; a deep path whose missing ancestors would is damage, not a library.
      const std::size_t cost = doc_.pathBytesToAdd(*path, pathBudget_);
      if (cost > pathBudget_) return LoadStop::Damaged;
      pathBudget_ -= cost;
      std::uint32_t index = 0;
      if (!doc_.addLoadedFolder(*path, i == 0, &index)) return LoadStop::AddFailed;
      folderMap_.push_back(index);
      dataRead_ = true;
    }
    return LoadStop::None;
  }

  LoadStop readBookmarks() {
    std::uint32_t count = 0;
    if (!in_.readU32(count)) return LoadStop::Damaged;
    // A record takes at least 19 bytes: three one-byte lengths and four numbers.
    doc_.reserveBookmarks(std::min<std::size_t>(count, in_.remaining() / 19));
    // Records go in by batches whose index slots are fetched ahead: the lookups of a large
    // library otherwise wait on memory one by one.
    constexpr std::size_t kBatch = 16;
    std::vector<BookmarkRecord> batch;
    std::vector<std::uint32_t> keys;  // each record's key, worked out once by the prefetch
    batch.reserve(kBatch);
    keys.reserve(kBatch);
    LoadStop stop = LoadStop::None;
    for (std::uint32_t i = 0; i < count && stop == LoadStop::None;) {
      batch.clear();
      keys.clear();
      for (; i < count && batch.size() < kBatch; ++i) {
        auto record = readRecord();
        if (!record) {
          stop = LoadStop::Damaged;
          break;
        }
        batch.push_back(std::move(*record));
        keys.push_back(doc_.prefetchBookmark(batch.back()));
      }
      for (std::size_t r = 0; r < batch.size(); ++r) {
        if (!doc_.addBookmark(std::move(batch[r]), nullptr, keys[r])) return LoadStop::AddFailed;
        dataRead_ = true;
      }
    }
    return stop;
  }

  // One record with its folder index mapped, or nothing when the data is damaged.
  std::optional<BookmarkRecord> readRecord() {
    auto name = readArchiveString(in_);
    auto url = name ? readArchiveString(in_) : std::nullopt;
    auto description = url ? readArchiveString(in_) : std::nullopt;
    std::uint32_t folder = 0, added = 0, modified = 0, visited = 0;
    if (!description || !in_.readU32(folder) || !in_.readU32(added) || !in_.readU32(modified) ||
        !in_.readU32(visited) || folder >= folderMap_.size())
      return std::nullopt;
    return BookmarkRecord{
        folderMap_[folder], std::move(*name), std::move(*url), std::move(*description), added,
        modified,           visited};
  }

  CLFDoc& doc_;
  ByteReader in_;
  std::vector<std::uint32_t> folderMap_;  // the file's folder positions to table indexes
  std::size_t pathBudget_;                // bytes of folder paths the file can still account for
  bool dataRead_ = false;
};

constexpr const char* kSomeDataRead =  // string 148
    "Some data was read from the file, but may be invalid\n\n"
    "Click the \"Help\" button for more information.";
constexpr const char* kNoDataRead =  // string 149
    "No data was retrieved from the file.\n\n"
    "The resulting document will contain only the bookmarks\n"
    "that were imported from your browser(s).";

}  // namespace

void CLFDoc::Serialize(std::string_view contents) {
  LibraryReader reader(*this, contents);
  const LoadStop stop = reader.run();
  if (reader.dataRead()) dataRead_ = true;
  switch (stop) {
    case LoadStop::None:
      return;
    case LoadStop::PathRejected:
      DeleteContents();
      dataRead_ = false;
      break;
    case LoadStop::AddFailed:
    case LoadStop::MapFailed:
      internalError_ = true;
      break;
    case LoadStop::Damaged:
      break;
  }
  loadFailed_ = true;
}

bool CLFDoc::OnNewDocument() {
  DeleteContents();
  modified_ = false;
  setDefaultTitle();
  undo_.clear();
  if (importHook_) {
    // Undoing the import leaves the library that New makes without one: the root alone.
    LibraryTables rootOnly{{FolderEntry{kRootPath, 0, 0, true, kSelected}}, {}, 0, netscapeTitle_};
    importHook_->onNewDocument(*this);
    recordTablesStep(*this, "Import", std::move(rootOnly));
    return true;
  }
  return addFolder(kRootPath, true);
}

bool CLFDoc::OnOpenDocument(const std::string& path) {
  loadFailed_ = internalError_ = dataRead_ = false;
  std::optional<std::string> file;
  std::string reason;
  try {
    file = readWholeFile(path, &reason);
  } catch (const std::bad_alloc&) {
    file.reset();
    reason = path + ": the file is too large to be read into memory";
  }
  if (!file) {
    ui_.showMessage({"Failed to open document.\n" + reason, MessageIcon::Exclamation});
    return false;
  }
  DeleteContents();
  modified_ = true;  // dirty while the file is read
  if (!file->empty()) Serialize(*file);
  modified_ = false;
  if (loadFailed_) {
    ui_.inform(internalError_ ? "Internal error occurred while\nreading " + path + ".\n\n"
                              : "Error reading " + path +
                                    "\nThe file is either not a Bookmark Library,\n"
                                    "or it is damaged in some way.\n\n");
    Message followUp{dataRead_ ? kSomeDataRead : kNoDataRead, MessageIcon::Information};
    followUp.helpButton = dataRead_;
    // A message's help topic is numbered from its string id, as the dialogs' are from theirs.
    if (dataRead_) followUp.helpTopic = 0x30000 + 148;
    ui_.showMessage(followUp);
  }
  damagedFile_ = loadFailed_ ? path : std::string();
  undo_.clear();
  if (importHook_ && !exclusiveOpen_) {
    auto asRead = copyTables(*this);
    importHook_->onOpenDocument(*this);
    recordTablesStep(*this, "Import", std::move(asRead));
  }
  return !loadFailed_;
}

}  // namespace linkfold
