#pragma once
// The one way Linkfold replaces a file: the new contents go to a temporary file in the target's
// folder, are flushed and synced, and only then renamed over the target. Until commit() succeeds
// the target is exactly as it was; on any failure the temporary file is removed and error()
// names the file and the system's reason. The replaced file's permission bits are kept (and its
// owner and group where the process may set them); a new file gets 0666 under the umask. A
// target that is a symbolic link is resolved and the file it names replaced, so the link stays.
// Hard links to the old file keep the old contents. A device (/dev/stdout, /dev/null, a
// terminal) is written directly.

#include <string>
#include <string_view>

namespace linkfold {

class SafeFile {
 public:
  SafeFile() = default;
  ~SafeFile();  // abandons what was not committed
  SafeFile(const SafeFile&) = delete;
  SafeFile& operator=(const SafeFile&) = delete;

  // Prepares the temporary file. Fails, leaving the target alone, when another program holds
  // the target locked or the folder cannot take a new file.
  bool open(const std::string& target);
  // Buffered; false (and every later call false) once a write failed.
  bool write(std::string_view bytes);
  // Makes the written contents the target's. `keepOldAs`, when given and the target exists,
  // first keeps the old file under that name (an existing file of that name is not replaced:
  // the commit then fails with its reason).
  bool commit(const std::string& keepOldAs = {});
  // Removes the temporary file; the target stays as it was.
  void abandon();

  // "<target>: <system's reason>" after a failure.
  const std::string& error() const { return error_; }

 private:
  bool fail(const std::string& reason);
  bool failWithErrno();
  bool flushBuffer();
  bool keepOldFile(const std::string& as);
  void closeDescriptors();

  std::string target_, resolved_, temporary_, error_, buffer_;
  int fd_ = -1;
  int lockFd_ = -1;  // the existing target, locked so that no other writer replaces it meanwhile
  bool direct_ = false;
  bool failed_ = false;
};

// The text of a system error code: "Permission denied".
std::string systemReason(int code);

}  // namespace linkfold
