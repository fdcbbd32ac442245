#include "library/ImportLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace linkfold {

std::unique_ptr<ImportLog> ImportLog::create(const std::string& path) {
  // Lock before truncating, so that a log another writer holds open is left as it is.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<ImportLog>(new ImportLog(file));
}

ImportLog::~ImportLog() {
  std::fclose(file_);
}

void ImportLog::write(std::string_view text) {
  // Every "\n" goes to the file as CR LF; the pieces between are written as they are.
  while (!text.empty()) {
    const std::size_t lineFeed = text.find('\n');
    const std::size_t length = lineFeed == std::string_view::npos ? text.size() : lineFeed;
    std::fwrite(text.data(), 1, length, file_);
    if (lineFeed == std::string_view::npos) break;
    std::fwrite("\r\n", 1, 2, file_);
    text.remove_prefix(lineFeed + 1);
  }
}

}  // namespace linkfold
