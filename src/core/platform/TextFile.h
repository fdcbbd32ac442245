#pragma once
// A text file being written in text mode (every "\n" is stored as CR LF) through the safe
// writer: the file it replaces stays as it was until close() has everything on the disk, and
// while it is written no other program may hold the old file. A write that fails does not stop
// the caller; the file remembers it and close() reports it.

#include <memory>
#include <string>
#include <string_view>

#include "platform/SafeFile.h"

namespace linkfold {

class TextFile {
 public:
  // Null when the file cannot be created or another program holds it; `error` (when given)
  // then says why. A device named as the file (/dev/stderr) is written as it is.
  static std::unique_ptr<TextFile> create(const std::string& path, std::string* error = nullptr);
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  void write(std::string_view text);
  // Puts the file in place; false when any write or the replacement failed.
  bool close();
  // "<path>: <system's reason>" after a failure.
  const std::string& error() const { return file_.error(); }

 private:
  TextFile() = default;
  SafeFile file_;
  bool closed_ = false;
  bool failed_ = false;
};

}  // namespace linkfold
