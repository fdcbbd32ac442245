#include "browsers/netscape/NetscapeBackup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/UiPort.h"

namespace linkfold {

bool RealBackupFiles::exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool RealBackupFiles::copy(const std::string& from, const std::string& to) {
  // A second name for the old contents: the safe writer then gives the target a new file.
  if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
  if (errno == EEXIST) return false;
  std::error_code error;  // a file system without hard links
  return std::filesystem::copy_file(from, to, error) && !error;
}

bool RealBackupFiles::remove(const std::string& path) {
  return std::remove(path.c_str()) == 0;
}

std::string backupPath(const std::string& target) {
  const std::size_t nameStart = target.find_last_of('/') + 1;  // 0 when there is no '/'
  const std::size_t dot = target.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && dot >= nameStart;
  return (hasExtension ? target.substr(0, dot) : target) + ".bak";
}

namespace {

void exclaim(UiPort& ui, const std::string& text) {
  ui.showMessage({text, MessageIcon::Exclamation});
}

// Keeps the target under its backup name, asking first before an older copy is replaced.
// False when the export must stop; `made` tells whether a copy now exists.
bool makeBackup(UiPort& ui, BackupFiles& files, const std::string& target,
                const std::string& backup, bool& made) {
  if (files.exists(backup)) {
    if (!ui.askYesNo("Backup copy already exists.\n\nReplace it?")) return true;
    if (!files.remove(backup)) {
      exclaim(ui, "Could not delete existing backup.\nOperation aborted.");
      return false;
    }
  }
  if (!files.copy(target, backup)) {
    exclaim(ui, "Could not create backup copy.\nOperation aborted.");
    return false;
  }
  made = true;
  return true;
}

}  // namespace

bool writeWithBackup(UiPort& ui, BackupFiles& files, const std::string& target, bool backup,
                     const std::function<WriteResult()>& write) {
  const std::string copy = backupPath(target);
  bool made = false;
  // Only a file that exists has anything to protect.
  if (backup && files.exists(target) && !makeBackup(ui, files, target, copy, made)) return false;
  const WriteResult result = write();
  switch (result.outcome) {
    case WriteOutcome::Written:
      return true;
    case WriteOutcome::NotCreated:
      ui.inform("Could not create or replace " + target + "\n" + result.reason);
      break;
    case WriteOutcome::WriteFailed:
      ui.inform("Could not write " + target + "\n" + result.reason);
      break;
  }
  // The target was not touched: the copy of it is not needed.
  if (made) files.remove(copy);
  return false;
}

}  // namespace linkfold
