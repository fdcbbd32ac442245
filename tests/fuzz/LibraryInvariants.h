#pragma once
// What must hold for any library the loader produced, however damaged its file: shared by the
// fuzz target and the mutation test. Each check returns an empty text when all is well, else
// the first problem found.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "library/CLFDoc.h"

namespace linkfold::test {

inline bool wellFormedLoadedPath(const std::string& path) {
  if (path == kRootPath) return true;
  if (path.empty() || path.back() != '\\') return false;
  std::size_t start = 0;
  while (start < path.size()) {
    const std::size_t end = path.find('\\', start);
    const std::string component = path.substr(start, end - start);
    if (component.empty() || component == "." || component == ".." ||
        component.find('/') != std::string::npos || component.find('\0') != std::string::npos)
      return false;
    start = end + 1;
  }
  return true;
}

// Every path well formed, every parent and bookmark folder in range; with `spelledLikeParents`
// also every path beginning with its parent's path as stored.
inline std::string tableProblems(const CLFDoc& doc, bool spelledLikeParents = false) {
  const std::uint32_t folders = doc.folderCount();
  for (std::uint32_t i = 0; i < folders; ++i) {
    const FolderEntry& f = doc.folder(i);
    if (!wellFormedLoadedPath(f.path)) return "malformed path at " + std::to_string(i);
    if (f.parent >= folders) return "parent out of range at " + std::to_string(i);
    if (spelledLikeParents && f.parent > 0 && !f.path.starts_with(doc.folder(f.parent).path))
      return "path not spelt like its parent's at " + std::to_string(i);
  }
  for (std::uint32_t i = 0; i < doc.bookmarkCount(); ++i)
    if (doc.bookmark(i).folder >= folders)
      return "folder index out of range at " + std::to_string(i);
  return "";
}

inline std::string loadedLibraryProblems(const CLFDoc& doc) {
  if (doc.folderCount() == 0) return doc.bookmarkCount() == 0 ? "" : "bookmarks without folders";
  if (doc.folder(0).path != kRootPath || !doc.folder(0).locked) return "index 0 is not the root";
  for (std::uint32_t i = 0; i < doc.folderCount(); ++i) {
    if (i > 0 && doc.folder(i).locked) return "a folder other than the root is locked";
    if (doc.folder(i).selection != kSelected) return "a loaded folder is not selected";
  }
  return tableProblems(doc);
}

// Saving what was loaded and loading it again gives the same tables, without complaint: the
// reloaded library saves to the same bytes.
inline std::string roundTripProblems(const CLFDoc& loaded, CLFDoc& fresh) {
  std::ostringstream saved, savedAgain;
  loaded.Serialize(saved);
  fresh.Serialize(saved.str());
  if (fresh.loadFailed()) return "the saved library does not load cleanly";
  fresh.Serialize(savedAgain);
  return saved.str() == savedAgain.str() ? "" : "the reloaded library differs";
}

// Every folder path and every bookmark with all its fields, sorted: the library independent of
// table order.
inline std::vector<std::string> libraryContents(const CLFDoc& doc) {
  std::vector<std::string> lines;
  for (const FolderEntry& f : doc.folders()) lines.push_back(f.path);
  for (const BookmarkRecord& b : doc.bookmarks())
    lines.push_back(doc.folder(b.folder).path + '|' + b.name + '|' + b.url + '|' + b.description +
                    '|' + std::to_string(b.addDate) + ',' + std::to_string(b.modifiedDate) + ',' +
                    std::to_string(b.visitDate));
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace linkfold::test
