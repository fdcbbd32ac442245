#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace linkfold {

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;
constexpr int kMaxLinkDepth = 40;  // as the kernel's own limit for a path

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links until a path that is none (or does not exist); empty on a loop.
std::string resolveLinks(std::string path) {
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path link = std::filesystem::read_symlink(path, error);
    if (error) return path;
    path = link.is_absolute() ? link.string() : folderOf(path) + "/" + link.string();
  }
  return {};
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename itself already happened
  ::close(fd);
}

}  // namespace

std::string systemReason(int code) {
  return std::system_category().message(code);
}

SafeFile::~SafeFile() {
  abandon();
}

bool SafeFile::fail(const std::string& reason) {
  error_ = target_ + ": " + reason;
  abandon();
  failed_ = true;
  return false;
}

bool SafeFile::failWithErrno() {
  return fail(systemReason(errno));
}

void SafeFile::closeDescriptors() {
  if (fd_ >= 0) ::close(fd_);
  if (lockFd_ >= 0) ::close(lockFd_);
  fd_ = lockFd_ = -1;
}

void SafeFile::abandon() {
  closeDescriptors();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  buffer_.clear();
}

bool SafeFile::open(const std::string& target) {
  abandon();
  target_ = target;
  error_.clear();
  failed_ = false;
  resolved_ = resolveLinks(target);
  if (resolved_.empty()) return fail(systemReason(ELOOP));
  struct stat old {};
  const bool exists = ::stat(resolved_.c_str(), &old) == 0;
  direct_ = resolved_.rfind("/dev/", 0) == 0 || (exists && !S_ISREG(old.st_mode));
  if (direct_) {
    // Standard output is shared with the shell's redirection, so it is written where it stands.
    fd_ = resolved_ == "/dev/stdout" ? ::dup(STDOUT_FILENO)
                                     : ::open(resolved_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    return fd_ >= 0 || failWithErrno();
  }
  if (exists) {
    lockFd_ = ::open(resolved_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (lockFd_ >= 0 && ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0)
      return fail("the file is in use by another program");
  }
  std::string pattern = folderOf(resolved_) + "/.linkfold-XXXXXX";
  fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) return failWithErrno();
  temporary_ = pattern;
  buffer_.reserve(kBufferSize);
  return true;
}

bool SafeFile::flushBuffer() {
  if (failed_ || fd_ < 0) return false;
  const bool ok = writeAll(fd_, buffer_);
  buffer_.clear();
  return ok || failWithErrno();
}

bool SafeFile::write(std::string_view bytes) {
  if (failed_ || fd_ < 0) return false;
  // A piece as large as the buffer goes straight to the file; smaller ones are gathered.
  if (bytes.size() >= kBufferSize)
    return flushBuffer() && (writeAll(fd_, bytes) || failWithErrno());
  if (buffer_.size() + bytes.size() > kBufferSize && !flushBuffer()) return false;
  buffer_.append(bytes);
  return true;
}

bool SafeFile::keepOldFile(const std::string& as) {
  if (::link(resolved_.c_str(), as.c_str()) == 0) return true;
  const std::string failure = "could not keep the old file as " + as + " (";
  if (errno == EEXIST) return fail(failure + systemReason(EEXIST) + ")");
  // A file system without hard links: a copy does as well.
  std::error_code error;
  std::filesystem::copy_file(resolved_, as, error);
  return !error || fail(failure + error.message() + ")");
}

bool SafeFile::commit(const std::string& keepOldAs) {
  if (failed_ || fd_ < 0) return false;
  if (!flushBuffer()) return false;
  if (direct_) {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 || failWithErrno();
  }
  if (::fsync(fd_) != 0) return failWithErrno();
  struct stat old {};
  if (::stat(resolved_.c_str(), &old) == 0) {
    // The owner first: changing it clears the set-user-id bits that the mode then restores.
    if (::fchown(fd_, old.st_uid, old.st_gid) != 0)
      (void)::fchown(fd_, static_cast<uid_t>(-1), old.st_gid);
    if (::fchmod(fd_, old.st_mode & 07777) != 0) return failWithErrno();
    if (!keepOldAs.empty() && !keepOldFile(keepOldAs)) return false;
  } else if (::fchmod(fd_, newFileMode()) != 0) {
    return failWithErrno();
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return failWithErrno();
  if (::rename(temporary_.c_str(), resolved_.c_str()) != 0) return failWithErrno();
  temporary_.clear();
  syncFolder(folderOf(resolved_));
  closeDescriptors();
  return true;
}

}  // namespace linkfold
