#include "browsers/favorites/FavoritesFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/Text.h"

namespace linkfold {
namespace {

EntryKind kindOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return EntryKind::Directory;
  if (S_ISREG(mode)) return EntryKind::File;
  return EntryKind::Other;
}

EntryKind kindOf(DIR* directory, const dirent& entry) {
  switch (entry.d_type) {
    case DT_DIR:
      return EntryKind::Directory;
    case DT_REG:
      return EntryKind::File;
    case DT_UNKNOWN: {  // some file systems leave the type to a stat
      struct stat info {};
      if (::fstatat(::dirfd(directory), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return EntryKind::Other;
      }
      return kindOfMode(info.st_mode);
    }
    default:
      return EntryKind::Other;
  }
}

class DirectoryHandle {
 public:
  explicit DirectoryHandle(DIR* handle) : handle_(handle) {}
  ~DirectoryHandle() {
    if (handle_) ::closedir(handle_);
  }
  DirectoryHandle(const DirectoryHandle&) = delete;
  DirectoryHandle& operator=(const DirectoryHandle&) = delete;
  DIR* get() const { return handle_; }

 private:
  DIR* handle_;
};

}  // namespace

std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& directory) {
  DirectoryHandle handle(::opendir(directory.c_str()));
  if (!handle.get()) return std::nullopt;
  std::vector<DirectoryEntry> entries;
  while (const dirent* entry = ::readdir(handle.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back({std::string(name), kindOf(handle.get(), *entry)});
  }
  return entries;
}

bool hasShortcutExtension(std::string_view fileName) {
  return fileName.size() >= 4 && equalsNoCase(fileName.substr(fileName.size() - 4), ".url");
}

bool isRealDirectory(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string fileSystemName(std::string_view name, char replacement) {
  // The character comes from the settings, which may hold anything.
  if (replacement == '/' || replacement == '\\' || replacement == '\0' || replacement == '.') {
    replacement = '$';
  }
  std::string safe(name);
  const bool periodsOnly = !safe.empty() && safe.find_first_not_of('.') == std::string::npos;
  for (char& c : safe) {
    if (c == '/' || c == '\\' || c == '\0' || (periodsOnly && c == '.')) c = replacement;
  }
  return safe;
}

std::string_view withoutTrailingSeparator(std::string_view directory) {
  if (!directory.empty() && (directory.back() == '/' || directory.back() == '\\')) {
    directory.remove_suffix(1);
  }
  return directory;
}

}  // namespace linkfold
