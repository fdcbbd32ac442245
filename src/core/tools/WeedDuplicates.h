#pragma once
// Weed Duplicates (Edit menu, Ctrl+W): finds the bookmarks that share a URL, lets the person
// check the ones to keep and removes the others from the library.

#include <cstdint>
#include <span>

#include "tools/DuplicateUrls.h"
#include "view/CommandIds.h"

namespace linkfold {

class CLFDoc;
class CLFView;

// Enabled when the library holds two bookmarks or more.
CommandState OnUpdateWeedDuplicates(const CLFView& view);
// Runs the weed and rebuilds the tree when bookmarks were removed.
void OnWeedDuplicates(CLFView& view);
// True only when bookmarks were removed; the tree is then out of step with the library.
bool WeedDuplicates(CLFView& view);

// Removes the bookmarks of the marked entries from the library, in one pass.
void removeMarkedBookmarks(CLFDoc& doc, std::span<UrlEntry> sorted);

}  // namespace linkfold
