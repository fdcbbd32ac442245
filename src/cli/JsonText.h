#pragma once
// JSON string literals for texts that are bytes: valid UTF-8 passes through, and a byte that is
// not part of valid UTF-8 is written as \udcXX, so a reader using Python's surrogateescape (or
// any reader that maps U+DC80..U+DCFF back to bytes) recovers the exact bytes.

#include <string>
#include <string_view>

namespace linkfold::cli {

// Appends `text` to `out` as a quoted JSON string.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace linkfold::cli
