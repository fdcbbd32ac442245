#pragma once
// A text file being written: created anew (replacing any file of that name) without sharing it
// with any other program, written in text mode (every "\n" is stored as CR LF). A write that
// fails does not stop the caller; the file remembers it and close() reports it.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace linkfold {

class TextFile {
 public:
  // Null when the file cannot be created or another program holds it. A device named as the
  // file (/dev/stderr) is written as it is, unlocked.
  static std::unique_ptr<TextFile> create(const std::string& path);
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  void write(std::string_view text);
  // Flushes and closes the file; false when any write or the close failed.
  bool close();

 private:
  explicit TextFile(std::FILE* file) : file_(file) {}
  std::FILE* file_;
  bool failed_ = false;
};

}  // namespace linkfold
