#pragma once
// The Favorites writer: replaces the shortcuts of the Favorites folder with the selected folders
// of the library, leaving every file that is not a shortcut where it is.

#include <functional>

#include "library/CLFDoc.h"

namespace linkfold {

// Writes the selected folders into the Favorites folder; `updateAllViews` refreshes the tree.
// True when the export ran to its end.
bool Do_MSIE_Export(CLFDoc& doc, const std::function<void()>& updateAllViews);

}  // namespace linkfold
