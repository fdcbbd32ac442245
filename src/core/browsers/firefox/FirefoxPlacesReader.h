#pragma once
// The Firefox reader: a profile's places.sqlite, read from a private copy (with its -wal file)
// so that a running Firefox is neither blocked nor disturbed and its latest bookmarks are read.

#include <string>

namespace linkfold {

class CLFDoc;

// Reads the bookmarks of places.sqlite at `placesPath` into the library. Writes its own log
// lines ("Opening ...", a begin and a completion line naming `sourceLabel`) and status text;
// false after a fatal error that it has logged. What was read before the error stays.
bool Read_Firefox_Places(CLFDoc& doc, const std::string& placesPath,
                         const std::string& sourceLabel);

}  // namespace linkfold
