#pragma once
// Reads a bookmark file line by line in large blocks. A line is everything up to a line feed; a
// carriage return directly before the line feed goes with it, and a byte 0x1A ends the file, as
// text-mode reading had it. Lines may be of any length: the buffer grows to hold the longest.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace linkfold {

class NetscapeLineReader {
 public:
  NetscapeLineReader() = default;
  ~NetscapeLineReader();
  NetscapeLineReader(const NetscapeLineReader&) = delete;
  NetscapeLineReader& operator=(const NetscapeLineReader&) = delete;

  // Opens a regular file for reading; other programs may read it but not write it meanwhile.
  bool open(const std::string& path);
  // The next line, valid until the next call; false at the end of the file. A read error ends
  // the file. Throws std::bad_alloc when a line outgrows the memory.
  bool next(std::string_view& line);

  std::uint64_t fileSize() const { return fileSize_; }
  std::uint64_t bytesRead() const { return bytesRead_; }

 private:
  // Reads another block behind what is left; false when nothing more came.
  bool refill();

  int fd_ = -1;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;     // start of the unread data
  std::size_t end_ = 0;       // end of the data in the buffer
  std::size_t scanned_ = 0;   // unread bytes already known to hold no line feed
  bool atEnd_ = false;        // no more data will come
  std::uint64_t fileSize_ = 0;
  std::uint64_t bytesRead_ = 0;
};

}  // namespace linkfold
