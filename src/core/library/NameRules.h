#pragma once
// The file-name rules that every folder and bookmark name follows, so that the library can be
// written to the Favorites folder as directories and shortcut files.

#include <cstddef>
#include <string>
#include <string_view>

#include "library/LibraryTypes.h"

namespace linkfold {

// The longest name the Rename dialog accepts and duplicate resolution makes, in characters.
inline constexpr std::size_t kMaxNameLength = 50;

// The double quote and * / : < > ? \ | cannot stand in a file name, and a NUL byte in no name
// at all: the library loader refuses a folder path holding one.
constexpr bool isForbiddenNameChar(char c) {
  switch (c) {
    case '\0':
    case '"':
    case '*':
    case '/':
    case ':':
    case '<':
    case '>':
    case '?':
    case '\\':
    case '|':
      return true;
    default:
      return false;
  }
}

// Tabs become spaces and forbidden characters `replacement`; white space is trimmed at the
// start, then at the end. A name of periods only would be "." or ".." as a path component, so
// each of its periods is replaced too. The result may be empty.
std::string cleanName(std::string_view name, char replacement);

// Bookmark order: name ignoring ASCII case (bytes compared unsigned), then folder index.
bool bookmarkOrderLess(const BookmarkRecord& a, const BookmarkRecord& b);

}  // namespace linkfold
