#include "library/FolderTree.h"

#include "library/CLFDoc.h"
#include "library/UndoRecorder.h"

namespace linkfold {

FolderTree folderTree(const CLFDoc& doc, std::uint32_t folder) {
  FolderTree tree;
  if (folder >= doc.folderCount()) return tree;
  std::vector<std::vector<std::uint32_t>> children(doc.folderCount());
  for (std::uint32_t f = 1; f < doc.folderCount(); ++f)
    if (doc.folder(f).parent < doc.folderCount()) children[doc.folder(f).parent].push_back(f);
  std::vector<bool> inTree(doc.folderCount(), false);
  std::vector<std::uint32_t> pending{folder};
  while (!pending.empty()) {
    const std::uint32_t f = pending.back();
    pending.pop_back();
    if (inTree[f]) continue;  // a damaged parent chain never loops here
    inTree[f] = true;
    for (std::uint32_t child : children[f]) pending.push_back(child);
  }
  for (std::uint32_t f = 0; f < doc.folderCount(); ++f)
    if (inTree[f]) tree.folders.push_back(f);
  for (std::uint32_t b = 0; b < doc.bookmarkCount(); ++b)
    if (doc.bookmark(b).folder < inTree.size() && inTree[doc.bookmark(b).folder])
      tree.bookmarks.push_back(b);
  return tree;
}

bool removeFolderTree(CLFDoc& doc, const FolderTree& tree, EditRecorder& recorder) {
  if (tree.folders.empty() || tree.folders.front() == 0) return false;
  recorder.keepFolders();
  recorder.removingBookmarks(tree.bookmarks);
  recorder.removingFolders(tree.folders);
  doc.removeBookmarks(tree.bookmarks);
  doc.removeFolders(tree.folders);
  doc.setModifiedFlag();
  return true;
}

}  // namespace linkfold
