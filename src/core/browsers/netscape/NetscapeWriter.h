#pragma once
// The Netscape writer: writes the selected folders of the library tree as a Netscape bookmark
// file, after renaming the file it replaces to a backup copy.

#include <string>

namespace linkfold {

class CLFView;

// Writes the tree's selected folders as a Netscape bookmark file, with a backup copy of the
// target first when `backup` is set; reports its failures through the view's UI port. True
// when the file was written.
bool Do_NS_Export(CLFView& view, const std::string& targetPath, bool backup, const std::string& title);

}  // namespace linkfold
