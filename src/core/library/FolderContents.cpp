#include "library/FolderContents.h"

#include "library/CLFDoc.h"

namespace linkfold {

std::vector<std::vector<std::uint32_t>> bookmarksByFolder(const CLFDoc& doc) {
  std::vector<std::vector<std::uint32_t>> byFolder(doc.folderCount());
  for (std::uint32_t i = 0; i < doc.bookmarkCount(); ++i) {
    const std::uint32_t folder = doc.bookmark(i).folder;
    if (folder < byFolder.size()) byFolder[folder].push_back(i);
  }
  return byFolder;
}

}  // namespace linkfold
