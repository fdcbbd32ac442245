#pragma once
// The pieces of a Netscape bookmark file's lines that the reader understands: which marker a
// list line carries, the heading's title, a folder line's name and a bookmark line's fields.
// Markers are upper case and found anywhere in the line.

#include <cstdint>
#include <string_view>

namespace linkfold {

// What a line inside a list is, by the first marker of this order that it holds.
enum class ListLine { Folder, Bookmark, Description, EndOfList, Other };
ListLine classifyListLine(std::string_view line);

bool opensList(std::string_view line);  // holds "<DL>" (also "<DL><p>")
bool isHeadingLine(std::string_view line);  // holds "<H1>" or "<H1 "
// Whether the line would be read as a folder or a bookmark line.
bool holdsItem(std::string_view line);

// A heading line's title: after the first '>' behind "<H1", up to "</H1>". False when either
// is missing.
bool headingTitle(std::string_view line, std::string_view& title);

// A folder line's name: after the first '>' behind "<DT><H3", up to "</H3>".
enum class FolderNameResult { Ok, MissingMarker, MissingEndTag };
FolderNameResult folderName(std::string_view line, std::string_view& name);

struct BookmarkFields {
  std::string_view url;
  std::string_view name;  // as written, not yet cut or cleaned
  std::uint32_t addDate = 0;
  std::uint32_t modifiedDate = 0;
  std::uint32_t visitDate = 0;
};
// Reads a bookmark line; null on success, otherwise the reason the line is skipped.
const char* bookmarkFields(std::string_view line, BookmarkFields& fields);

// The date after an attribute's opening quote, read like strtoul into 32 bits: leading white
// space, an optional sign (minus negates modulo 2^32), digits up to the first other character;
// no digits give 0 and a value too large for 32 bits gives 4294967295.
std::uint32_t readDate(std::string_view text);

}  // namespace linkfold
