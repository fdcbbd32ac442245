#include "browsers/netscape/NetscapeBackup.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/UiPort.h"

namespace linkfold {

bool RealBackupFiles::exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool RealBackupFiles::rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
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

// Renames the target to its backup name, asking first before an older copy is replaced.
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
  if (!files.rename(target, backup)) {
    exclaim(ui, "Could not create backup copy.\nOperation aborted.");
    return false;
  }
  made = true;
  return true;
}

}  // namespace

bool writeWithBackup(UiPort& ui, BackupFiles& files, const std::string& target, bool backup,
                     const std::function<WriteOutcome()>& write) {
  const std::string copy = backupPath(target);
  bool made = false;
  // Only a file that exists has anything to protect.
  if (backup && files.exists(target) && !makeBackup(ui, files, target, copy, made)) return false;
  switch (write()) {
    case WriteOutcome::Written: return true;
    case WriteOutcome::NotCreated: ui.inform("Could not create or replace " + target); break;
    case WriteOutcome::WriteFailed:
      ui.inform("Could not write " + target);
      files.remove(target);
      break;
  }
  if (made) {
    if (files.rename(copy, target))
      ui.inform("File restored from backup copy.");
    else
      exclaim(ui, "Could not restore from backup.");
  }
  return false;
}

}  // namespace linkfold
