#pragma once
// The backup copy that protects the file a Netscape export replaces: the target's contents are
// kept under the backup name before the safe writer replaces the target. The target itself is
// never touched unless the new file was written in full.

#include <functional>
#include <string>

namespace linkfold {

class UiPort;

// The file operations the backup needs; the real one works on the file system, tests script
// their failures.
class BackupFiles {
 public:
  virtual ~BackupFiles() = default;
  virtual bool exists(const std::string& path) = 0;  // also a dangling symbolic link
  // Keeps the contents of `from` (a symbolic link followed) under the new name `to`.
  virtual bool copy(const std::string& from, const std::string& to) = 0;
  virtual bool remove(const std::string& path) = 0;
};

class RealBackupFiles : public BackupFiles {
 public:
  bool exists(const std::string& path) override;
  bool copy(const std::string& from, const std::string& to) override;
  bool remove(const std::string& path) override;
};

// The target with the extension of its file name replaced by ".bak"; a file name without a
// '.' gets ".bak" appended, so the copy always stays beside the target.
std::string backupPath(const std::string& target);

enum class WriteOutcome { Written, NotCreated, WriteFailed };

struct WriteResult {
  WriteOutcome outcome;
  std::string reason;  // the system's, for a failure
};

// Makes the backup copy when `backup` is set and the target exists, runs `write`, and on a
// failure reports it with its reason and drops the copy just made (the target is as it was).
// True when the file was written.
bool writeWithBackup(UiPort& ui, BackupFiles& files, const std::string& target, bool backup,
                     const std::function<WriteResult()>& write);

}  // namespace linkfold
