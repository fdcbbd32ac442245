#pragma once
// The text export: the selected folders in folder-table order, each with its full path, its
// bookmarks' titles and URLs in table order, written in text mode (CR LF line ends).

#include <string>

namespace linkfold {

class CLFDoc;

// Writes the text export of `doc` to `path`, replacing any file of that name, and reports a
// failure through the document's UI port. True only when the whole file reached the disk.
bool writeTextExport(const CLFDoc& doc, const std::string& path);

}  // namespace linkfold
