#include "browsers/netscape/CrLfFileWriter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/Text.h"

namespace linkfold {

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

}  // namespace

CrLfFileWriter::~CrLfFileWriter() {
  if (fd_ >= 0) ::close(fd_);
}

bool CrLfFileWriter::create(const std::string& path) {
  // Lock before truncating, so that a file another program holds is left as it is.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  buffer_.reserve(kBlockSize + kBlockSize / 4);
  return true;
}

void CrLfFileWriter::text(std::string_view text) {
  forEachCrLfPiece(text, [this](std::string_view piece) { buffer_.append(piece); });
  flushWhenFull();
}

void CrLfFileWriter::spaces(std::size_t count) {
  while (count > 0) {
    const std::size_t now = std::min(count, kBlockSize);
    buffer_.append(now, ' ');
    count -= now;
    flushWhenFull();
  }
}

void CrLfFileWriter::flushWhenFull() {
  if (buffer_.size() >= kBlockSize) flush();
}

void CrLfFileWriter::flush() {
  std::string_view rest = buffer_;
  while (!rest.empty() && !failed_ && fd_ >= 0) {
    const ssize_t put = ::write(fd_, rest.data(), rest.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      failed_ = true;
      break;
    }
    rest.remove_prefix(static_cast<std::size_t>(put));
  }
  buffer_.clear();
}

bool CrLfFileWriter::close() {
  flush();
  if (fd_ >= 0 && ::close(fd_) != 0) failed_ = true;
  fd_ = -1;
  return !failed_;
}

}  // namespace linkfold
