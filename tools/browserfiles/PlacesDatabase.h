#pragma once
// A Firefox places.sqlite made with Firefox's own table definitions and root folders, for the
// tests, the demo and the benchmarks. Items get their positions in the order they are added.

#include <cstdint>
#include <string>

struct sqlite3;

namespace linkfold::browserfiles {

class PlacesDatabase {
 public:
  // The root folders every Firefox profile has, by their row ids.
  static constexpr std::int64_t kRoot = 1, kMenu = 2, kToolbar = 3, kTags = 4, kUnfiled = 5,
                                kMobile = 6;

  // Creates the database (in WAL mode, as Firefox keeps it) with its roots; throws on failure.
  explicit PlacesDatabase(const std::string& path);
  ~PlacesDatabase();
  PlacesDatabase(const PlacesDatabase&) = delete;
  PlacesDatabase& operator=(const PlacesDatabase&) = delete;

  // Dates in microseconds since 1970, as Firefox stores them. Each returns the new row's id.
  std::int64_t folder(std::int64_t parent, const std::string& title, std::int64_t dateAdded = 0,
                      std::int64_t lastModified = 0);
  std::int64_t bookmark(std::int64_t parent, const std::string& title, const std::string& url,
                        std::int64_t dateAdded = 0, std::int64_t lastModified = 0,
                        std::int64_t lastVisit = 0);
  std::int64_t separator(std::int64_t parent);
  void exec(const std::string& sql);
  // From now on nothing is copied from the -wal file into the database, closing included, so
  // that what is written next stays in the -wal file only.
  void keepWal();
  // Closes the connection (the destructor does it too).
  void close();

 private:
  std::int64_t insertItem(int type, const std::string& fk, std::int64_t parent,
                          const std::string& title, std::int64_t dateAdded,
                          std::int64_t lastModified);

  sqlite3* db_ = nullptr;
  std::int64_t nextGuid_ = 0;
};

}  // namespace linkfold::browserfiles
