#include "browsers/favorites/InternetShortcut.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "browsers/favorites/ShortcutText.h"
#include "platform/Text.h"

namespace linkfold {
namespace {

// Real shortcuts are a few hundred bytes; anything far larger is not one.
constexpr std::size_t kMaxShortcutFileSize = 1 << 20;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a write may fail only here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::optional<std::string> readShortcutFile(const std::string& path) {
  // Non-blocking, so that a pipe put in place of a shortcut cannot stall the reader.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<std::size_t>(info.st_size) > kMaxShortcutFileSize) {
    return std::nullopt;
  }
  std::string contents(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t got = ::read(file.get(), contents.data() + done, contents.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;  // the file shrank meanwhile
    done += static_cast<std::size_t>(got);
  }
  contents.resize(done);
  return contents;
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool InternetShortcut::Load(const std::string& path) {
  url_.reset();
  const std::optional<std::string> contents = readShortcutFile(path);
  if (!contents) return false;
  url_ = shortcutUrl(*contents);
  return true;
}

std::optional<std::string> InternetShortcut::GetURL() const {
  return url_;
}

bool InternetShortcut::SetURL(std::string_view url) {
  url = trimWhite(url);  // the reader trims the value too, so that the URL reads back the same
  if (url.empty() || hasControlCharacter(url)) return false;
  url_ = withGuessedProtocol(url);
  return true;
}

bool InternetShortcut::Save(const std::string& path) {
  saveFailure_ = SaveFailure::Create;
  if (!url_) return false;
  // Never through a symbolic link: the file must be made where the path says.
  FileDescriptor file(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    saveError_ = errno;
    return false;
  }
  const std::string text = "[InternetShortcut]\r\nURL=" + *url_ + "\r\n";
  const bool written = writeAll(file.get(), text);
  saveError_ = errno;
  if (!file.close() || !written) {
    if (written) saveError_ = errno;
    // A half-written shortcut is worth nothing; a device in its place is not ours to remove.
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) std::remove(path.c_str());
    saveFailure_ = SaveFailure::Write;
    return false;
  }
  saveFailure_ = SaveFailure::None;
  return true;
}

void InternetShortcut::SaveCompleted(const std::string& path) {
  (void)path;
}

}  // namespace linkfold
