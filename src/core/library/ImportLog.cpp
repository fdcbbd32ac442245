#include "library/ImportLog.h"

#include <sys/file.h>

#include "platform/Text.h"

namespace linkfold {

std::unique_ptr<ImportLog> ImportLog::create(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return nullptr;
  // Other writers are shut out while the log is open.
  ::flock(fileno(file), LOCK_EX | LOCK_NB);
  return std::unique_ptr<ImportLog>(new ImportLog(file));
}

ImportLog::~ImportLog() { std::fclose(file_); }

void ImportLog::write(std::string_view text) {
  const std::string bytes = toCrLf(text);
  std::fwrite(bytes.data(), 1, bytes.size(), file_);
}

}  // namespace linkfold
