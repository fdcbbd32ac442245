#include "library/ImportLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/Text.h"

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
  forEachCrLfPiece(
      text, [this](std::string_view piece) { std::fwrite(piece.data(), 1, piece.size(), file_); });
}

}  // namespace linkfold
