#pragma once
// The import log file: created anew by every import, written in text mode (every "\n" is
// stored as CR LF), closed at the end of the import. A write that fails does not stop the
// import; the log remembers it and close() reports it.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace linkfold {

class ImportLog {
 public:
  // Creates (or replaces) the file; nullptr when it cannot be created.
  static std::unique_ptr<ImportLog> create(const std::string& path);
  ~ImportLog();
  ImportLog(const ImportLog&) = delete;
  ImportLog& operator=(const ImportLog&) = delete;

  void write(std::string_view text);
  // Flushes and closes the file; false when any write or the close failed.
  bool close();

 private:
  explicit ImportLog(std::FILE* file) : file_(file) {}
  std::FILE* file_;
  bool failed_ = false;
};

}  // namespace linkfold
