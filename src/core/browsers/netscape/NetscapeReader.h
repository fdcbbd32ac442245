#pragma once
// The Netscape reader: a line-oriented reader of Netscape bookmark files (BOOKMARK.HTM and any
// file of that form). It looks for a few fixed upper-case markers in each line and adds what it
// finds to the library through the document's add-folder and add-bookmark.

#include <string>

namespace linkfold {

class CLFDoc;

inline constexpr int kNetscapeReadOk = 0;
inline constexpr int kNetscapeReadFatal = 146;

// Reads a Netscape bookmark file into the library; kNetscapeReadFatal after a fatal error that
// it has logged. What was read before stays.
int Parse_NS_File(CLFDoc& doc, const std::string& path);

}  // namespace linkfold
