#include "browsers/favorites/FavoritesBackup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "browsers/favorites/FavoritesFiles.h"
#include "platform/SafeFile.h"

namespace linkfold {

FavoritesBackup::~FavoritesBackup() {
  if (finished_) return;
  std::string kept;
  rollBack(kept);
}

bool FavoritesBackup::moveShortcutsAside(std::string& error) {
  std::string pattern = std::string(withoutTrailingSeparator(favorites_)) + ".backup-XXXXXX";
  if (!::mkdtemp(pattern.data())) {
    error = pattern + ": " + systemReason(errno);
    return false;
  }
  backup_ = pattern + '/';
  // Depth first from an explicit list of directories still to visit, then the directories
  // emptied, children before their parents.
  std::vector<std::string> pending{""}, visited;
  while (!pending.empty()) {
    const std::string relative = pending.back();
    pending.pop_back();
    const auto entries = listDirectory(favorites_ + relative);
    if (!entries) continue;
    if (!relative.empty()) visited.push_back(relative);
    for (const DirectoryEntry& entry : *entries) {
      if (entry.kind == EntryKind::Directory) {
        pending.push_back(relative + entry.name + '/');
      } else if (entry.kind == EntryKind::File && hasShortcutExtension(entry.name) &&
                 !moveAside(relative + entry.name, error)) {
        std::string kept;
        rollBack(kept);
        return false;
      }
    }
  }
  for (auto at = visited.rbegin(); at != visited.rend(); ++at) {
    const std::string directory(withoutTrailingSeparator(favorites_ + *at));
    if (::rmdir(directory.c_str()) == 0) removed_.push_back(directory);
  }
  return true;
}

bool FavoritesBackup::moveAside(const std::string& relative, std::string& error) {
  // The backup mirrors the Favorites tree, so that a person can find a shortcut in it.
  for (std::size_t slash = relative.find('/'); slash != std::string::npos;
       slash = relative.find('/', slash + 1)) {
    const std::string directory = backup_ + relative.substr(0, slash);
    if (::mkdir(directory.c_str(), 0700) == 0) backupDirectories_.push_back(directory);
  }
  const std::string from = favorites_ + relative;
  if (std::rename(from.c_str(), (backup_ + relative).c_str()) != 0) {
    error = from + ": " + systemReason(errno);
    return false;
  }
  moved_.push_back(relative);
  return true;
}

void FavoritesBackup::removeBackupFolder() {
  for (auto at = backupDirectories_.rbegin(); at != backupDirectories_.rend(); ++at)
    ::rmdir(at->c_str());
  if (!backup_.empty()) ::rmdir(std::string(withoutTrailingSeparator(backup_)).c_str());
}

void FavoritesBackup::commit() {
  finished_ = true;
  for (const std::string& relative : moved_) ::unlink((backup_ + relative).c_str());
  removeBackupFolder();
}

bool FavoritesBackup::rollBack(std::string& kept) {
  finished_ = true;
  for (auto at = made_.rbegin(); at != made_.rend(); ++at)
    at->directory ? ::rmdir(at->path.c_str()) : ::unlink(at->path.c_str());
  for (auto at = removed_.rbegin(); at != removed_.rend(); ++at) ::mkdir(at->c_str(), 0777);
  bool all = true;
  for (auto at = moved_.rbegin(); at != moved_.rend(); ++at) {
    if (std::rename((backup_ + *at).c_str(), (favorites_ + *at).c_str()) != 0) all = false;
  }
  moved_.clear();
  made_.clear();
  removed_.clear();
  if (all) {
    removeBackupFolder();
  } else {
    kept = backup_;
  }
  return all;
}

}  // namespace linkfold
