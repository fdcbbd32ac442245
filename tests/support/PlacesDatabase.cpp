#include "support/PlacesDatabase.h"

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace linkfold::test {

namespace {

// Firefox's tables as it creates them, with the root folders (tests/data holds the SQL).
std::string schema() {
  std::ifstream in(LINKFOLD_TEST_DATA_DIR "/firefox-places-schema.sql");
  std::ostringstream text;
  text << in.rdbuf();
  if (text.str().empty()) throw std::runtime_error("no Firefox schema in " LINKFOLD_TEST_DATA_DIR);
  return text.str();
}

void check(sqlite3* db, int status, const char* what) {
  if (status != SQLITE_OK && status != SQLITE_DONE && status != SQLITE_ROW)
    throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

// One statement, bound, run to its end.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    check(db, sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr), sql);
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement& bind(int at, std::int64_t value) {
    check(db_, sqlite3_bind_int64(statement_, at, value), "bind");
    return *this;
  }
  Statement& bind(int at, const std::string& text) {
    check(db_,
          sqlite3_bind_text(statement_, at, text.data(), static_cast<int>(text.size()),
                            SQLITE_TRANSIENT),
          "bind");
    return *this;
  }
  void run() { check(db_, sqlite3_step(statement_), "step"); }
  // The first column of the first row, 0 when there is none.
  std::int64_t value() {
    return sqlite3_step(statement_) == SQLITE_ROW ? sqlite3_column_int64(statement_, 0) : 0;
  }

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace

PlacesDatabase::PlacesDatabase(const std::string& path) {
  const int status = sqlite3_open(path.c_str(), &db_);
  if (status != SQLITE_OK) {
    sqlite3_close(db_);
    db_ = nullptr;
    throw std::runtime_error("cannot create " + path);
  }
  exec(schema());
}

PlacesDatabase::~PlacesDatabase() {
  close();
}

void PlacesDatabase::close() {
  sqlite3_close(db_);
  db_ = nullptr;
}

void PlacesDatabase::exec(const std::string& sql) {
  check(db_, sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), sql.c_str());
}

void PlacesDatabase::keepWal() {
  exec("PRAGMA wal_autocheckpoint = 0");
  check(db_, sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr), "no checkpoint");
}

std::int64_t PlacesDatabase::insertItem(int type, std::int64_t fk, std::int64_t parent,
                                        const std::string& title, std::int64_t dateAdded,
                                        std::int64_t lastModified) {
  Statement insert(db_,
                   "INSERT INTO moz_bookmarks (type, fk, parent, position, title, dateAdded, "
                   "lastModified, guid) VALUES (?1, NULLIF(?2, 0), ?3, (SELECT count(*) FROM "
                   "moz_bookmarks WHERE parent = ?3), NULLIF(?4, ''), ?5, ?6, ?7)");
  insert.bind(1, type).bind(2, fk).bind(3, parent).bind(4, title).bind(5, dateAdded);
  insert.bind(6, lastModified).bind(7, "item" + std::to_string(++nextGuid_));
  insert.run();
  return sqlite3_last_insert_rowid(db_);
}

std::int64_t PlacesDatabase::folder(std::int64_t parent, const std::string& title,
                                    std::int64_t dateAdded, std::int64_t lastModified) {
  return insertItem(2, 0, parent, title, dateAdded, lastModified);
}

std::int64_t PlacesDatabase::bookmark(std::int64_t parent, const std::string& title,
                                      const std::string& url, std::int64_t dateAdded,
                                      std::int64_t lastModified, std::int64_t lastVisit) {
  // A URL bookmarked twice has one place, as in Firefox.
  Statement place(db_,
                  "INSERT INTO moz_places (url, guid, last_visit_date, foreign_count) VALUES "
                  "(?1, ?2, NULLIF(?3, 0), 1) ON CONFLICT (url) DO UPDATE SET foreign_count = "
                  "foreign_count + 1");
  place.bind(1, url).bind(2, "place" + std::to_string(++nextGuid_)).bind(3, lastVisit);
  place.run();
  Statement find(db_, "SELECT id FROM moz_places WHERE url = ?1");
  return insertItem(1, find.bind(1, url).value(), parent, title, dateAdded, lastModified);
}

std::int64_t PlacesDatabase::separator(std::int64_t parent) {
  return insertItem(3, 0, parent, "", 0, 0);
}

}  // namespace linkfold::test
