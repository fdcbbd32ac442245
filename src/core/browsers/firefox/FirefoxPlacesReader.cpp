// The Firefox reader. Folders are walked from Firefox's root folders on an explicit stack, one
// query per folder for its items in position order, so that neither deep nesting nor a
// database of millions of rows needs more than the folders waiting to be read.

#include "browsers/firefox/FirefoxPlacesReader.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <new>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "browsers/builder/ImportTreeBuilder.h"
#include "browsers/builder/SourceImportLog.h"
#include "browsers/firefox/PrivateCopy.h"
#include "library/CLFDoc.h"

namespace linkfold {

namespace {

constexpr std::string_view kWhere = "Read_Firefox_Places:\n";

// Firefox's root folders that hold bookmarks, by guid, and the library folder each goes into
// (none: the top level). The tags root holds tags, not bookmarks.
struct PlacesRoot {
  const char* guid;
  const char* folder;
  bool required;  // the mobile root came with later versions
};
constexpr PlacesRoot kRoots[] = {{"menu________", nullptr, true},
                                 {"toolbar_____", "Bookmarks Toolbar", true},
                                 {"unfiled_____", "Other Bookmarks", true},
                                 {"mobile______", "Mobile Bookmarks", false}};

constexpr int kBookmarkType = 1;
constexpr int kFolderType = 2;

constexpr const char* kItemsQuery =
    "SELECT b.id, b.type, b.title, b.dateAdded, b.lastModified, p.url, p.last_visit_date "
    "FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk WHERE b.parent = ?1 "
    "ORDER BY b.position, b.id";

// Microseconds since 1970 to seconds; 0 (unknown) for none or a date before 1970.
std::uint32_t placesDate(sqlite3_stmt* row, int column) {
  const sqlite3_int64 micro = sqlite3_column_int64(row, column);
  if (micro <= 0) return 0;
  return static_cast<std::uint32_t>(
      std::min<sqlite3_int64>(micro / 1000000, std::numeric_limits<std::uint32_t>::max()));
}

std::string_view columnText(sqlite3_stmt* row, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
  return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(row, column)))
              : std::string_view();
}

struct Statement {
  ~Statement() { sqlite3_finalize(handle); }
  sqlite3_stmt* handle = nullptr;
};

struct Connection {
  ~Connection() { sqlite3_close(handle); }
  sqlite3* handle = nullptr;
};

// A Firefox folder whose items wait to be read, and the library folder they go into.
struct PendingFolder {
  sqlite3_int64 id;
  ImportFolder folder;
};

class PlacesReader {
 public:
  PlacesReader(CLFDoc& doc, sqlite3* db, const std::string& path, const std::string& label)
      : doc_(doc), db_(db), path_(path), progress_(doc, label), builder_(doc) {}

  // Reads the database, whose file holds `fileBytes`.
  bool read(std::uintmax_t fileBytes);

 private:
  bool fatal(const std::string& message);
  bool failed(int status);
  bool checkTables();
  bool findRoots();
  void reserve(std::uintmax_t fileBytes);
  bool readFolder(PendingFolder& pending);
  bool readItem(sqlite3_stmt* row, PendingFolder& pending, std::vector<PendingFolder>& found);
  bool addHeld(ImportFolder& folder);

  CLFDoc& doc_;
  sqlite3* db_;
  const std::string& path_;
  ItemProgress progress_;
  ImportTreeBuilder builder_;
  Statement items_;
  std::vector<PendingFolder> stack_;
  std::unordered_set<sqlite3_int64> seen_;
  // The last bookmark read, added once SQLite has stepped to the next row: meanwhile the
  // library's lookup of it is fetched from memory.
  std::optional<BookmarkRecord> held_;
  std::optional<std::uint32_t> heldKey_;  // its key in the library, when fetched
  std::uint64_t placeQueries_ = 0;
};

bool PlacesReader::fatal(const std::string& message) {
  doc_.logFatal(std::string(kWhere) + message);
  return false;
}

bool PlacesReader::failed(int status) {
  const std::string reason = sqlite3_errmsg(db_);
  switch (status) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      return fatal(path_ + " is damaged or not a database (" + reason + ")");
    case SQLITE_NOMEM:
      throw std::bad_alloc();
    case SQLITE_ERROR:
      return fatal(path_ + " is not a Firefox bookmark database (" + reason + ")");
    default:
      return fatal("Could not read " + path_ + " (" + reason + ")");
  }
}

// Both tables must be tables: a view could hide a query that never ends.
bool PlacesReader::checkTables() {
  Statement check;
  int status = sqlite3_prepare_v2(db_,
                                  "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                  "name IN ('moz_bookmarks', 'moz_places')",
                                  -1, &check.handle, nullptr);
  if (status == SQLITE_OK) status = sqlite3_step(check.handle);
  if (status != SQLITE_ROW) return failed(status);
  if (sqlite3_column_int(check.handle, 0) != 2)
    return fatal(path_ + " is not a Firefox bookmark database (it has no bookmark tables)");
  status = sqlite3_prepare_v2(db_, kItemsQuery, -1, &items_.handle, nullptr);
  return status == SQLITE_OK || failed(status);
}

bool PlacesReader::findRoots() {
  Statement find;
  if (const int status =
          sqlite3_prepare_v2(db_, "SELECT id FROM moz_bookmarks WHERE guid = ?1 AND type = 2", -1,
                             &find.handle, nullptr);
      status != SQLITE_OK)
    return failed(status);
  for (auto root = std::rbegin(kRoots); root != std::rend(kRoots); ++root) {
    sqlite3_reset(find.handle);
    sqlite3_bind_text(find.handle, 1, root->guid, -1, SQLITE_STATIC);
    const int status = sqlite3_step(find.handle);
    if (status == SQLITE_DONE && !root->required) continue;
    if (status == SQLITE_DONE)
      return fatal(path_ + " is not a Firefox bookmark database (the root folder " + root->guid +
                   " is missing)");
    if (status != SQLITE_ROW) return failed(status);
    PendingFolder pending{sqlite3_column_int64(find.handle, 0), {}};
    if (!seen_.insert(pending.id).second)
      return fatal(path_ + " is damaged (two root folders are one row)");
    // The menu has no folder: its items stand at the top level.
    if (root->folder && !builder_.placeRoot(root->folder, pending.folder)) return false;
    stack_.push_back(std::move(pending));
  }
  return true;
}

bool PlacesReader::readItem(sqlite3_stmt* row, PendingFolder& pending,
                            std::vector<PendingFolder>& found) {
  progress_.itemRead();
  const sqlite3_int64 id = sqlite3_column_int64(row, 0);
  switch (sqlite3_column_int(row, 1)) {
    case kFolderType: {
      if (!seen_.insert(id).second)
        return fatal(path_ + " is damaged (folder " + std::to_string(id) + " lies inside itself)");
      PendingFolder sub{id, {}};
      if (!builder_.openFolder(pending.folder, columnText(row, 2), sub.folder)) return false;
      found.push_back(std::move(sub));
      return true;
    }
    case kBookmarkType: {
      // A missing place row leaves the address NULL too.
      if (sqlite3_column_type(row, 5) == SQLITE_NULL)
        return fatal(path_ + " is damaged (bookmark " + std::to_string(id) + " has no address)");
      const std::string_view url = columnText(row, 5);
      if (url.starts_with("place:")) {  // a query Firefox runs, not a page
        ++placeQueries_;
        return true;
      }
      BookmarkRecord mark;
      mark.url.assign(url);
      mark.addDate = placesDate(row, 3);
      mark.modifiedDate = placesDate(row, 4);
      mark.visitDate = placesDate(row, 6);
      builder_.nameBookmark(mark, columnText(row, 2));
      heldKey_.reset();
      if (pending.folder.added) {
        mark.folder = pending.folder.index;
        heldKey_ = doc_.prefetchBookmark(mark);
      }
      held_ = std::move(mark);
      return true;
    }
    default:  // separators and the like
      return true;
  }
}

bool PlacesReader::addHeld(ImportFolder& folder) {
  if (!held_) return true;
  const bool added = builder_.addBookmark(folder, std::move(*held_), heldKey_);
  held_.reset();
  return added;
}

// Reads the folder's items; its sub-folders go on the stack, the first on top.
bool PlacesReader::readFolder(PendingFolder& pending) {
  sqlite3_reset(items_.handle);
  sqlite3_bind_int64(items_.handle, 1, pending.id);
  std::vector<PendingFolder> found;
  int status;
  while ((status = sqlite3_step(items_.handle)) == SQLITE_ROW)
    if (!addHeld(pending.folder) || !readItem(items_.handle, pending, found)) return false;
  if (!addHeld(pending.folder)) return false;
  if (status != SQLITE_DONE) return failed(status);
  std::move(found.rbegin(), found.rend(), std::back_inserter(stack_));
  return true;
}

// Makes room in the library for the bookmarks, so that its table grows once. A damaged file
// may hold more rows than bookmarks it could describe, so the room is capped by its size.
void PlacesReader::reserve(std::uintmax_t fileBytes) {
  constexpr std::uintmax_t kLeastBytesPerBookmark = 64;
  Statement count;
  if (sqlite3_prepare_v2(db_, "SELECT count(*) FROM moz_bookmarks WHERE type = 1", -1,
                         &count.handle, nullptr) != SQLITE_OK ||
      sqlite3_step(count.handle) != SQLITE_ROW)
    return;  // the read itself reports what is wrong
  const auto rows = static_cast<std::uintmax_t>(
      std::max<sqlite3_int64>(0, sqlite3_column_int64(count.handle, 0)));
  doc_.reserveBookmarks(
      static_cast<std::size_t>(std::min(rows, fileBytes / kLeastBytesPerBookmark)));
}

bool PlacesReader::read(std::uintmax_t fileBytes) {
  if (!checkTables() || !findRoots()) return false;
  reserve(fileBytes);
  bool ok = true;
  while (ok && !stack_.empty()) {
    PendingFolder pending = std::move(stack_.back());
    stack_.pop_back();
    ok = readFolder(pending);
  }
  if (placeQueries_ > 0)
    doc_.logLine(std::to_string(placeQueries_) +
                 " Firefox queries (place: addresses) were not imported\n");
  return ok;
}

bool readCopy(CLFDoc& doc, const std::string& placesPath, const std::string& label) {
  PrivateCopy copy;
  if (!copy.make(placesPath)) {
    doc.logFatal(std::string(kWhere) + "Could not access " + placesPath);
    return false;
  }
  Connection db;
  // The connection is used by this thread alone, so its calls need not take a lock each.
  if (sqlite3_open_v2(copy.path().c_str(), &db.handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    doc.logFatal(std::string(kWhere) + "Could not open " + placesPath + " (" +
                 (db.handle ? sqlite3_errmsg(db.handle) : "no memory") + ")");
    return false;
  }
  // The copy is thrown away: nothing is written back into it on close. A hostile schema may
  // not run functions or write through the connection.
  sqlite3_db_config(db.handle, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  sqlite3_db_config(db.handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(db.handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  // The copy is private, so it may be mapped: pages are then read without a copy each.
  sqlite3_exec(db.handle, "PRAGMA mmap_size = 4294967296", nullptr, nullptr, nullptr);
  // One read transaction for every query, instead of one taken and dropped per folder; closing
  // the connection ends it.
  sqlite3_exec(db.handle, "BEGIN", nullptr, nullptr, nullptr);
  PlacesReader reader(doc, db.handle, placesPath, label);
  std::error_code error;
  return reader.read(std::filesystem::file_size(copy.path(), error));
}

}  // namespace

bool Read_Firefox_Places(CLFDoc& doc, const std::string& placesPath,
                         const std::string& sourceLabel) {
  return importSource(doc, sourceLabel, placesPath, kWhere,
                      [&] { return readCopy(doc, placesPath, sourceLabel); });
}

}  // namespace linkfold
