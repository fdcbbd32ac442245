#pragma once
// A text file written in large blocks through the safe writer, every line feed stored as
// carriage return plus line feed. Write errors are remembered up to the close, so a full disk is
// never taken for success, and the file it replaces stays as it was until then.

#include <string>
#include <string_view>

#include "platform/SafeFile.h"

namespace linkfold {

class CrLfFileWriter {
 public:
  CrLfFileWriter() = default;
  CrLfFileWriter(const CrLfFileWriter&) = delete;
  CrLfFileWriter& operator=(const CrLfFileWriter&) = delete;

  // Starts the file that will replace `path`; false when another program holds it or the
  // folder takes no new file.
  bool create(const std::string& path);
  // Text whose line feeds become CR LF.
  void text(std::string_view text);
  // Bytes that hold no line feed: numbers, markup.
  void raw(std::string_view bytes) {
    buffer_.append(bytes);
    flushWhenFull();
  }
  void spaces(std::size_t count);
  // Writes what is left and puts the file in place, keeping the old one as `keepOldAs` when
  // that is given; true when every byte reached the disk.
  bool close(const std::string& keepOldAs = {});
  // "<path>: <system's reason>" after a failure.
  const std::string& error() const { return file_.error(); }

 private:
  void flushWhenFull();
  void flush();

  SafeFile file_;
  std::string buffer_;
};

}  // namespace linkfold
