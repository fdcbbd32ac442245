#pragma once
// A private copy of a Firefox database and its -wal file, in a temporary folder only the user
// can enter, removed with everything in it when the copy is destroyed. Opening the copy instead
// of the browser's own file neither blocks nor disturbs a running Firefox, and SQLite replays
// the copied -wal file so that the latest bookmarks are read.

#include <string>

namespace linkfold {

class PrivateCopy {
 public:
  PrivateCopy() = default;
  ~PrivateCopy();
  PrivateCopy(const PrivateCopy&) = delete;
  PrivateCopy& operator=(const PrivateCopy&) = delete;

  // Copies `database` (which must be readable) and, where present, `database`-wal; false when
  // either cannot be copied.
  bool make(const std::string& database);
  // The copied database.
  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
};

}  // namespace linkfold
