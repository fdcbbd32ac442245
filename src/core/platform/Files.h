#pragma once
// Whole-file reading and safe writing.

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace linkfold {

// The whole contents of a regular file; none when it cannot be read, `error` (when given) then
// holding "<path>: <system's reason>".
std::optional<std::string> readWholeFile(const std::string& path, std::string* error = nullptr);

// Writes `path` through `write` with the safe writer (SafeFile): the old file stays exactly as
// it was unless everything was written. On a failure `error` (when given) gets "<path>:
// <system's reason>". `keepOldAs` as for SafeFile::commit.
bool writeFileSafely(const std::string& path, const std::function<void(std::ostream&)>& write,
                     std::string* error = nullptr, const std::string& keepOldAs = {});

bool fileIsReadable(const std::string& path);

}  // namespace linkfold
