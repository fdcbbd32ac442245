#include "browsers/firefox/PrivateCopy.h"

#include <stdlib.h>

#include <filesystem>

namespace linkfold {

namespace fs = std::filesystem;

namespace {

bool copyFile(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  if (error) return false;
  fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, error);
  return !error;
}

}  // namespace

PrivateCopy::~PrivateCopy() {
  if (folder_.empty()) return;
  std::error_code error;
  fs::remove_all(folder_, error);
}

bool PrivateCopy::make(const std::string& database) {
  std::error_code error;
  // mkdtemp makes the folder with mode 0700.
  std::string pattern = (fs::temp_directory_path(error) / "linkfold-places-XXXXXX").string();
  if (error || !mkdtemp(pattern.data())) return false;
  folder_ = pattern;
  const fs::path source(database);
  const fs::path copy = fs::path(folder_) / source.filename();
  if (!fs::is_regular_file(source, error) || !copyFile(source, copy)) return false;
  const fs::path wal = database + "-wal";
  if (fs::exists(wal, error) && !copyFile(wal, copy.string() + "-wal")) return false;
  path_ = copy.string();
  return true;
}

}  // namespace linkfold
