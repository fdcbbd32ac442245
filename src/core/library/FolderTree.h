#pragma once
// A folder with everything below it, as Delete removes it in one step.

#include <cstdint>
#include <vector>

namespace linkfold {

class CLFDoc;
class EditRecorder;

struct FolderTree {
  std::vector<std::uint32_t> folders;    // the folder and every sub-folder, ascending
  std::vector<std::uint32_t> bookmarks;  // the records of all of them, ascending
};

// Follows the parent indexes, so that folders whose paths differ in letter case count too.
FolderTree folderTree(const CLFDoc& doc, std::uint32_t folder);

// Removes the tree's bookmarks and folders (as folderTree found them in the library as it is),
// renumbering the later folders as remove-folder does, tells the recorder first and marks the
// library modified. Refuses, changing nothing, an empty tree and one holding the root.
bool removeFolderTree(CLFDoc& doc, const FolderTree& tree, EditRecorder& recorder);

}  // namespace linkfold
