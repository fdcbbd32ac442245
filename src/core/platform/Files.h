#pragma once
// Whole-file reading and safe writing.

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace linkfold {

std::optional<std::string> readWholeFile(const std::string& path);

// Writes a temporary file beside `path` through `write`, flushes it, and renames it over `path`
// only when everything was written. On any failure the temporary file is removed, the old file
// stays as it was, and false is returned with errno holding the system's reason.
bool writeFileSafely(const std::string& path, const std::function<void(std::ostream&)>& write);

bool fileIsReadable(const std::string& path);

}  // namespace linkfold
