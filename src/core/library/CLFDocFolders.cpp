// Folder removal, renaming and moving: the operations that restructure the folder table after
// it has been filled, keeping paths unique, indexes valid and full paths within 200 characters.

#include <algorithm>

#include "library/CLFDoc.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

bool isEmptyFolder(const std::vector<FolderEntry>& folders,
                   const std::vector<BookmarkRecord>& bookmarks, std::uint32_t index) {
  for (std::size_t i = 1; i < folders.size(); ++i)
    if (folders[i].parent == index) return false;
  return std::none_of(bookmarks.begin(), bookmarks.end(),
                      [index](const BookmarkRecord& b) { return b.folder == index; });
}

}  // namespace

bool CLFDoc::removeFolder(std::uint32_t index) {
  // Only an empty folder other than the root can go; anything else would orphan records.
  if (index == 0 || index >= folders_.size() || !isEmptyFolder(folders_, bookmarks_, index))
    return false;
  folders_.erase(folders_.begin() + index);
  folders_.shrink_to_fit();
  for (auto& f : folders_)
    if (f.parent >= index) --f.parent;
  for (auto& b : bookmarks_)
    if (b.folder >= index) --b.folder;
  folderIndex_.rebuild(folders_);
  bookmarksChanged();
  return true;
}

bool CLFDoc::renameFolder(std::uint32_t index, std::string_view newName) {
  if (index == 0 || index >= folders_.size()) return false;
  const std::string oldPath = folders_[index].path;
  const auto growth = static_cast<long long>(utf8CharCount(newName)) -
                      static_cast<long long>(utf8CharCount(folderDisplayName(oldPath)));
  const auto favorites = static_cast<long long>(browsers_.favoritesPathLength());
  if (growth > 0) {
    for (std::size_t i = 1; i < folders_.size(); ++i) {
      const auto& path = folders_[i].path;
      if (startsWith(path, oldPath) &&
          favorites + static_cast<long long>(utf8CharCount(path)) + growth >
              static_cast<long long>(kMaxFullPath))
        return false;
    }
  }
  std::string newPath;
  if (folders_[index].parent != 0) newPath = parentPath(oldPath);
  newPath.append(newName);
  newPath += '\\';
  for (std::size_t i = 1; i < folders_.size(); ++i) {
    auto& path = folders_[i].path;
    if (i == index)
      path = newPath;
    else if (startsWith(path, oldPath))
      path = newPath + path.substr(oldPath.size());
  }
  folderIndex_.rebuild(folders_);
  modified_ = true;
  noteChange();
  return true;
}

void CLFDoc::deriveSelection(std::uint32_t folder) {
  bool allNot = true, allSelected = true;
  for (std::size_t i = 1; i < folders_.size(); ++i) {
    if (folders_[i].parent != folder) continue;
    if (folders_[i].selection != kNotSelected) allNot = false;
    if (folders_[i].selection != kSelected) allSelected = false;
  }
  folders_[folder].selection = allNot ? kNotSelected : allSelected ? kSelected : kPartlySelected;
}

bool CLFDoc::moveFolder(std::uint32_t source, std::uint32_t destination) {
  if (source == 0 || source >= folders_.size() || destination >= folders_.size()) return false;
  const std::string sourcePath = folders_[source].path;
  const std::string destinationPath = destination == 0 ? std::string() : folders_[destination].path;
  // A folder cannot go into itself or below itself.
  if (startsWith(destinationPath, sourcePath)) return false;

  const std::uint32_t oldParent = folders_[source].parent;
  const std::string_view oldParentPath =
      oldParent == 0 ? std::string_view() : std::string_view(folders_[oldParent].path);
  const auto base = browsers_.favoritesPathLength() + utf8CharCount(destinationPath);
  const auto oldParentLength = utf8CharCount(oldParentPath);
  for (std::size_t i = 1; i < folders_.size(); ++i) {
    const auto& path = folders_[i].path;
    if (startsWith(path, sourcePath) && utf8CharCount(path) - oldParentLength + base > kMaxFullPath)
      return false;
  }
  const std::string sourceName = folderDisplayName(sourcePath);
  for (std::size_t i = 1; i < folders_.size(); ++i)
    if (folders_[i].parent == destination &&
        equalsNoCase(folderDisplayName(folders_[i].path), sourceName))
      return false;

  const std::size_t cut = oldParentPath.size();
  for (std::size_t i = 1; i < folders_.size(); ++i) {
    auto& entry = folders_[i];
    if (!startsWith(entry.path, sourcePath)) continue;
    entry.path = destinationPath + entry.path.substr(cut);
    if (i == source) entry.parent = destination;
  }
  folderIndex_.rebuild(folders_);
  clearListedMarks();
  noteChange();

  if (findUnlistedChild(oldParent))
    deriveSelection(oldParent);
  else if (folders_[oldParent].selection == kPartlySelected)
    folders_[oldParent].selection = kSelected;
  for (std::uint32_t f = destination;; f = folders_[f].parent) {
    deriveSelection(f);
    if (f == 0) break;
  }
  return true;
}

bool CLFDoc::removeFolders(const std::vector<std::uint32_t>& ascending) {
  if (ascending.empty()) return true;
  if (ascending.front() == 0 || ascending.back() >= folders_.size()) return false;
  // newIndex[f]: the folder's index once the set is gone; kGone for the set itself.
  constexpr std::uint32_t kGone = 0xFFFFFFFF;
  std::vector<std::uint32_t> newIndex(folders_.size());
  std::size_t next = 0;
  std::uint32_t kept = 0;
  for (std::uint32_t f = 0; f < folders_.size(); ++f) {
    const bool gone = next < ascending.size() && ascending[next] == f;
    if (gone) ++next;
    newIndex[f] = gone ? kGone : kept++;
  }
  const auto orphaned = [&](std::uint32_t folder) {
    return folder < newIndex.size() && newIndex[folder] == kGone;
  };
  for (std::uint32_t f = 1; f < folders_.size(); ++f)
    if (newIndex[f] != kGone && orphaned(folders_[f].parent)) return false;
  if (std::any_of(bookmarks_.begin(), bookmarks_.end(),
                  [&](const BookmarkRecord& b) { return orphaned(b.folder); }))
    return false;

  std::uint32_t to = 0;
  for (std::uint32_t f = 0; f < folders_.size(); ++f) {
    if (newIndex[f] == kGone) continue;
    if (to != f) folders_[to] = std::move(folders_[f]);
    ++to;
  }
  folders_.resize(to);
  folders_.shrink_to_fit();
  for (auto& f : folders_)
    if (f.parent < newIndex.size()) f.parent = newIndex[f.parent];
  for (auto& b : bookmarks_)
    if (b.folder < newIndex.size()) b.folder = newIndex[b.folder];
  folderIndex_.rebuild(folders_);
  bookmarksChanged();
  return true;
}

}  // namespace linkfold
