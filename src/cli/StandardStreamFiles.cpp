#include "StandardStreamFiles.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/SafeFile.h"

namespace linkfold::cli {

StandardInputCopy::~StandardInputCopy() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

std::optional<std::string> StandardInputCopy::path(std::string& error) {
  if (!path_.empty()) return path_;
  const char* folder = std::getenv("TMPDIR");
  std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/linkfold-stdin-XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    error = pattern + ": " + systemReason(errno);
    return std::nullopt;
  }
  path_ = pattern;
  char block[1 << 16];
  for (;;) {
    const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got == 0) break;
    ssize_t put = -1;
    if (got > 0) put = ::write(fd, block, static_cast<std::size_t>(got));
    if (got < 0 || put != got) {
      error = std::string(got < 0 ? "standard input" : path_) + ": " +
              systemReason(errno ? errno : EIO);
      ::close(fd);
      return std::nullopt;
    }
  }
  if (::close(fd) != 0) {
    error = path_ + ": " + systemReason(errno);
    return std::nullopt;
  }
  return path_;
}

std::optional<std::string> defaultImportLogPath(std::string& error) {
  namespace fs = std::filesystem;
  fs::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
    data = xdg;
  } else {
    const char* home = std::getenv("HOME");
    const passwd* user = (home && *home) ? nullptr : ::getpwuid(::getuid());
    if (!home || !*home) home = user ? user->pw_dir : nullptr;
    if (!home) {
      error = "no home folder is known for the import log; name one with --log";
      return std::nullopt;
    }
    data = fs::path(home) / ".local/share";
  }
  const fs::path folder = data / "Quillmere/Linkfold";
  std::error_code made;
  fs::create_directories(folder, made);
  if (made) {
    error = folder.string() + ": " + made.message();
    return std::nullopt;
  }
  return (folder / "IMPLOG.TXT").string();
}

}  // namespace linkfold::cli
