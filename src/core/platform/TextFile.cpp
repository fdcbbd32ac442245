#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Text.h"

namespace linkfold {

std::unique_ptr<TextFile> TextFile::create(const std::string& path) {
  // Lock before emptying, so that a file another writer holds open is left as it is. A
  // device is neither locked nor emptied: others may share it (a terminal, /dev/null).
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  struct stat status {};
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  if (regular && (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0)) {
    ::close(fd);
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<TextFile>(new TextFile(file));
}

TextFile::~TextFile() {
  close();
}

void TextFile::write(std::string_view text) {
  if (!file_ || failed_) return;  // after a failure the rest would be lost too
  forEachCrLfPiece(text, [this](std::string_view piece) {
    if (!failed_ && std::fwrite(piece.data(), 1, piece.size(), file_) != piece.size())
      failed_ = true;
  });
}

bool TextFile::close() {
  if (file_) {
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
  }
  return !failed_;
}

}  // namespace linkfold
