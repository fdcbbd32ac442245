#include "browserfiles/PlacesDatabase.h"

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace linkfold::browserfiles {

namespace {

// Firefox's tables as it creates them, with the root folders (the SQL file beside this one).
std::string schema() {
  std::ifstream in(LINKFOLD_PLACES_SCHEMA);
  std::ostringstream text;
  text << in.rdbuf();
  if (text.str().empty()) throw std::runtime_error("no Firefox schema in " LINKFOLD_PLACES_SCHEMA);
  return text.str();
}

void check(sqlite3* db, int status, const char* what) {
  if (status != SQLITE_OK && status != SQLITE_DONE && status != SQLITE_ROW)
    throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

// `text` as an SQL string literal.
std::string quoted(const std::string& text) {
  char* literal = sqlite3_mprintf("%Q", text.c_str());
  std::string out(literal);
  sqlite3_free(literal);
  return out;
}

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

std::int64_t PlacesDatabase::insertItem(int type, const std::string& fk, std::int64_t parent,
                                        const std::string& title, std::int64_t dateAdded,
                                        std::int64_t lastModified) {
  const std::string in = std::to_string(parent);
  exec(
      "INSERT INTO moz_bookmarks (type, fk, parent, position, title, dateAdded, lastModified, "
      "guid) VALUES (" +
      std::to_string(type) + ", " + fk + ", " + in +
      ", (SELECT count(*) FROM moz_bookmarks WHERE parent = " + in + "), NULLIF(" + quoted(title) +
      ", ''), " + std::to_string(dateAdded) + ", " + std::to_string(lastModified) + ", 'item" +
      std::to_string(++nextGuid_) + "')");
  return sqlite3_last_insert_rowid(db_);
}

std::int64_t PlacesDatabase::folder(std::int64_t parent, const std::string& title,
                                    std::int64_t dateAdded, std::int64_t lastModified) {
  return insertItem(2, "NULL", parent, title, dateAdded, lastModified);
}

std::int64_t PlacesDatabase::bookmark(std::int64_t parent, const std::string& title,
                                      const std::string& url, std::int64_t dateAdded,
                                      std::int64_t lastModified, std::int64_t lastVisit) {
  // A URL bookmarked twice has one place, as in Firefox.
  exec("INSERT INTO moz_places (url, guid, last_visit_date, foreign_count) VALUES (" + quoted(url) +
       ", 'place" + std::to_string(++nextGuid_) + "', NULLIF(" + std::to_string(lastVisit) +
       ", 0), 1) ON CONFLICT (url) DO UPDATE SET foreign_count = foreign_count + 1");
  return insertItem(1, "(SELECT id FROM moz_places WHERE url = " + quoted(url) + ")", parent, title,
                    dateAdded, lastModified);
}

std::int64_t PlacesDatabase::separator(std::int64_t parent) {
  return insertItem(3, "NULL", parent, "", 0, 0);
}

}  // namespace linkfold::browserfiles
