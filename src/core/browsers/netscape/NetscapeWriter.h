#pragma once
// The Netscape writer: writes the selected folders of the library tree as a Netscape bookmark
// file, after renaming the file it replaces to a backup copy.

#include <cstddef>
#include <string>

#include "view/TreeObserver.h"

namespace linkfold {

class CLFView;
class CrLfFileWriter;

// Writes the tree's selected folders as a Netscape bookmark file, with a backup copy of the
// target first when `backup` is set; reports its failures through the view's UI port. True
// when the file was written.
bool Do_NS_Export(CLFView& view, const std::string& targetPath, bool backup, const std::string& title);

// Writes one folder item's lines, and those of every selected folder below it, indented by
// `depth` spaces; the tree's root item (also an empty tree) gives the whole file, header and
// title first.
void Write_NS_Folder(const CLFView& view, TreeItem item, std::size_t depth,
                     const std::string& title, CrLfFileWriter& out);

}  // namespace linkfold
