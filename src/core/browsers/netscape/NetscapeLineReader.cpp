#include "browsers/netscape/NetscapeLineReader.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace linkfold {

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 18;
constexpr char kEndOfFileByte = 0x1A;

}  // namespace

NetscapeLineReader::~NetscapeLineReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool NetscapeLineReader::open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  // Only a regular file has an end: a device or a pipe could feed one endless line.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_SH | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  fileSize_ = static_cast<std::uint64_t>(info.st_size);
  // A small file needs no more than itself; every file gets at least one byte of room.
  capacity_ = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, fileSize_ + 1));
  buffer_ = std::make_unique<char[]>(capacity_);
  return true;
}

bool NetscapeLineReader::refill() {
  if (atEnd_ || fd_ < 0) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == capacity_) {
    // One line fills the buffer: double it.
    const std::size_t grown = capacity_ * 2;
    auto larger = std::make_unique<char[]>(grown);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
    capacity_ = grown;
  }
  ssize_t got = 0;
  do {
    got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) {
    atEnd_ = true;
    return false;
  }
  const auto count = static_cast<std::size_t>(got);
  bytesRead_ += count;
  if (const void* stop = std::memchr(buffer_.get() + end_, kEndOfFileByte, count)) {
    end_ = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.get());
    atEnd_ = true;
    return true;
  }
  end_ += count;
  return true;
}

bool NetscapeLineReader::next(std::string_view& line) {
  for (;;) {
    const char* data = buffer_.get();
    const std::size_t from = begin_ + scanned_;
    if (const void* found = std::memchr(data + from, '\n', end_ - from)) {
      const auto lineFeed = static_cast<std::size_t>(static_cast<const char*>(found) - data);
      std::size_t length = lineFeed - begin_;
      if (length > 0 && data[begin_ + length - 1] == '\r') --length;
      line = std::string_view(data + begin_, length);
      begin_ = lineFeed + 1;
      scanned_ = 0;
      return true;
    }
    scanned_ = end_ - begin_;
    if (!refill()) break;
  }
  if (begin_ == end_) return false;
  // The last line of a file that does not end in a line feed.
  line = std::string_view(buffer_.get() + begin_, end_ - begin_);
  begin_ = end_;
  scanned_ = 0;
  return true;
}

}  // namespace linkfold
