#pragma once
// The Chromium reader: the Bookmarks JSON file of Chrome, Chromium, Brave, Vivaldi, Edge or
// Opera, read in one pass without building a document tree.

#include <string>

namespace linkfold {

class CLFDoc;

// Reads the Bookmarks file at `bookmarksPath` into the library. Writes its own log lines
// ("Opening ...", a begin and a completion line naming `sourceLabel`) and status text; false
// after a fatal error that it has logged. What was read before the error stays.
bool Read_Chromium_Bookmarks(CLFDoc& doc, const std::string& bookmarksPath,
                             const std::string& sourceLabel);

}  // namespace linkfold
