#pragma once
// A text file written in large blocks, every line feed stored as carriage return plus line
// feed. Write errors are remembered up to the close, so a full disk is never taken for success.

#include <string>
#include <string_view>

namespace linkfold {

class CrLfFileWriter {
 public:
  CrLfFileWriter() = default;
  ~CrLfFileWriter();
  CrLfFileWriter(const CrLfFileWriter&) = delete;
  CrLfFileWriter& operator=(const CrLfFileWriter&) = delete;

  // Creates or replaces the file, without sharing it with other programs while it is open.
  bool create(const std::string& path);
  // Text whose line feeds become CR LF.
  void text(std::string_view text);
  // Bytes that hold no line feed: numbers, markup.
  void raw(std::string_view bytes) { buffer_.append(bytes); flushWhenFull(); }
  void spaces(std::size_t count);
  // Writes what is left and closes; true when every byte reached the file.
  bool close();

 private:
  void flushWhenFull();
  void flush();

  int fd_ = -1;
  bool failed_ = false;
  std::string buffer_;
};

}  // namespace linkfold
