#pragma once
// The Favorites reader: the Favorites folder, a tree of directories and ".url" shortcut files,
// read into the library.

#include <optional>
#include <string>

#include "library/CLFDoc.h"

namespace linkfold {

// Reads the Favorites folder (no path) or one of its sub-folders into the library; false after a
// fatal error it has logged.
bool Scan_Folder(CLFDoc& doc, const std::optional<std::string>& relativePath = std::nullopt);

}  // namespace linkfold
