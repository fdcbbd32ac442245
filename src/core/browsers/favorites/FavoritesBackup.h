#pragma once
// The Favorites export as one transaction. Before anything is written, the shortcuts it replaces
// are moved (renamed, on the same file system) into a backup folder beside the Favorites folder,
// and the directories they leave empty are removed. The export then records what it makes. On
// success the backup goes; on a failure everything made is removed and the shortcuts and
// directories are put back where they were.

#include <string>
#include <utility>
#include <vector>

namespace linkfold {

class FavoritesBackup {
 public:
  // `favorites` ends with '/'.
  explicit FavoritesBackup(std::string favorites) : favorites_(std::move(favorites)) {}
  // Rolls back what was neither committed nor rolled back.
  ~FavoritesBackup();
  FavoritesBackup(const FavoritesBackup&) = delete;
  FavoritesBackup& operator=(const FavoritesBackup&) = delete;

  // Moves every shortcut below the Favorites folder aside. False, with everything put back and
  // `error` saying why, when the backup folder cannot be made or a shortcut cannot be moved.
  // Files of other kinds and symbolic links stay where they are.
  bool moveShortcutsAside(std::string& error);

  void madeDirectory(const std::string& path) { made_.push_back({path, true}); }
  void wroteFile(const std::string& path) { made_.push_back({path, false}); }
  void removedDirectory(const std::string& path) { removed_.push_back(path); }

  // Drops the backup: the export is complete.
  void commit();
  // Undoes the export. False when something could not be put back; `kept` then names the
  // backup folder that still holds it.
  bool rollBack(std::string& kept);

 private:
  bool moveAside(const std::string& relative, std::string& error);
  void removeBackupFolder();

  struct Made {
    std::string path;
    bool directory;
  };

  std::string favorites_;
  std::string backup_;                          // with a final '/'; empty until made
  std::vector<std::string> backupDirectories_;  // made inside the backup, parents first
  std::vector<std::string> moved_;              // shortcut paths relative to the Favorites folder
  std::vector<std::string> removed_;            // directories emptied and removed, children first
  std::vector<Made> made_;
  bool finished_ = false;
};

}  // namespace linkfold
