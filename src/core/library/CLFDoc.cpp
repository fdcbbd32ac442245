#include "library/CLFDoc.h"

#include <algorithm>
#include <new>

#include "library/CStatDlg.h"
#include "platform/Dates.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "platform/UiPort.h"

namespace linkfold {

CLFDoc::CLFDoc(UiPort& ui, SettingsStore& settings, std::string logPath, BrowserDetection browsers)
    : ui_(ui),
      settings_(settings),
      logPath_(std::move(logPath)),
      browsers_(std::move(browsers)),
      replacementChar_(static_cast<char>(settings.read(setting::kReplaceChar))),
      clock_([] { return std::time(nullptr); }) {
  undo_.setMemoryLimit(
      static_cast<std::size_t>(std::max<std::int32_t>(0, settings.read(setting::kUndoMemoryMB)))
      << 20);
}

CLFDoc::~CLFDoc() = default;

void CLFDoc::setBookmarkName(std::uint32_t index, std::string name) {
  bookmarks_[index].name = std::move(name);
  bookmarksChanged();
}

void CLFDoc::setBookmarkUrl(std::uint32_t index, std::string url) {
  bookmarks_[index].url = std::move(url);
  bookmarksChanged();
}

void CLFDoc::setBookmarkFolder(std::uint32_t index, std::uint32_t folder) {
  bookmarks_[index].folder = folder;
  bookmarksChanged();
}

bool CLFDoc::addFolder(std::string_view path, bool locked, std::uint32_t* index) {
  return addFolder(path, locked, index, ParentSpelling::Stored);
}

bool CLFDoc::addLoadedFolder(std::string_view path, bool locked, std::uint32_t* index) {
  return addFolder(path, locked, index, ParentSpelling::AsGiven);
}

bool CLFDoc::addFolder(std::string_view path, bool locked, std::uint32_t* index,
                       ParentSpelling parent) {
  if (const auto found = folderIndex_.find(path)) {
    FolderEntry& entry = folders_[*found];
    if (locked && !entry.locked) {
      entry.locked = true;
      contentChanged_ = true;
      noteChange();
    }
    if (index) *index = *found;
    return true;
  }
  return appendFolder(path, locked, index, parent);
}

std::size_t CLFDoc::pathBytesToAdd(std::string_view path, std::size_t budget) const {
  // Each step looks up a path as long as the ones before it, so a deep path is only walked as
  // far as the budget reaches: the work stays within the budget's size.
  std::size_t bytes = 0;
  for (std::string_view p = path; !p.empty() && bytes <= budget && !folderIndex_.find(p);
       p = parentPath(p))
    bytes += p.size();
  return bytes;
}

bool CLFDoc::appendFolder(std::string_view givenPath, bool locked, std::uint32_t* index,
                          ParentSpelling spelling) {
  // The folder is appended first, then each missing ancestor after it, nearest first; each
  // entry's parent is the one appended after it, or the ancestor that already existed.
  const auto n = static_cast<std::uint32_t>(folders_.size());
  try {
    std::string path(givenPath);
    std::vector<std::size_t> chain{path.size()};  // the lengths of the paths to append
    std::uint32_t existingParent = 0;
    for (auto parent = parentPath(givenPath); !parent.empty(); parent = parentPath(parent)) {
      if (const auto found = folderIndex_.find(parent)) {
        existingParent = *found;
        // Equal ignoring ASCII case, so of the same length.
        if (spelling == ParentSpelling::Stored)
          path.replace(0, parent.size(), folders_[*found].path);
        break;
      }
      chain.push_back(parent.size());
    }
    for (std::size_t i = 0; i < chain.size(); ++i) {
      const auto self = static_cast<std::uint32_t>(folders_.size());
      const bool last = i + 1 == chain.size();
      const std::string_view own = std::string_view(path).substr(0, chain[i]);
      folders_.push_back(
          FolderEntry{std::string(own), 0, last ? existingParent : self + 1, locked, kSelected});
      folderIndex_.add(own, self);
    }
  } catch (const std::bad_alloc&) {
    // Nothing is left half-made, and undoing allocates nothing.
    for (std::size_t i = n; i < folders_.size(); ++i)
      folderIndex_.remove(folders_[i].path, static_cast<std::uint32_t>(i));
    folders_.resize(n);
    return false;
  }
  if (index) *index = n;
  contentAdded_ = folders_.size() > 1;
  noteChange();
  return true;
}

void CLFDoc::shrinkBookmarkCapacity() {
  // Each removal lowers the capacity by 32 once 32 slots are unused, so it always ends as the
  // count rounded up to a multiple of 32; an empty table releases its storage.
  if (bookmarks_.empty()) {
    bookmarks_ = {};
    bookmarkCapacity_ = 0;
  } else {
    bookmarkCapacity_ = (bookmarks_.size() + kCapacityStep - 1) / kCapacityStep * kCapacityStep;
  }
}

bool CLFDoc::addBookmark(std::uint32_t folder, std::string_view name, std::string_view url,
                         std::string_view description, std::uint32_t addDate,
                         std::uint32_t modifiedDate, std::uint32_t visitDate,
                         std::uint32_t* index) {
  try {
    return addBookmark(BookmarkRecord{folder, std::string(name), std::string(url),
                                      std::string(description), addDate, modifiedDate, visitDate},
                       index);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool CLFDoc::addBookmark(BookmarkRecord record, std::uint32_t* index,
                         std::optional<std::uint32_t> key) {
  BookmarkIndex::Lookup lookup;
  try {
    lookup = bookmarkIndex_.find(bookmarks_, record.folder, record.name, record.url, key);
    if (lookup.match) {
      if (index) *index = *lookup.match;
      return true;
    }
    bookmarks_.push_back(std::move(record));
  } catch (const std::bad_alloc&) {
    bookmarkIndex_.invalidate();
    return false;
  }
  const auto n = static_cast<std::uint32_t>(bookmarks_.size() - 1);
  if (n == bookmarkCapacity_) bookmarkCapacity_ += kCapacityStep;
  try {
    bookmarkIndex_.added(n, lookup.key);
  } catch (const std::bad_alloc&) {
    bookmarkIndex_.invalidate();
  }
  if (index) *index = n;
  contentAdded_ = true;
  noteChange();
  return true;
}

void CLFDoc::reserveBookmarks(std::size_t count) {
  bookmarks_.reserve(bookmarks_.size() + count);
  bookmarkIndex_.reserve(bookmarks_.size() + count);
}

void CLFDoc::removeBookmark(std::uint32_t index) {
  removeBookmarks({index});
}

void CLFDoc::removeBookmarks(const std::vector<std::uint32_t>& ascending) {
  // Indexes past the table name nothing; when no index is in range, nothing changes.
  if (ascending.empty() || ascending.front() >= bookmarks_.size()) return;
  std::size_t next = 0;  // the next index in `ascending` to drop
  std::uint32_t position = 0;
  const auto end = std::remove_if(bookmarks_.begin(), bookmarks_.end(), [&](const BookmarkRecord&) {
    const bool drop = next < ascending.size() && ascending[next] == position;
    if (drop) ++next;
    ++position;
    return drop;
  });
  bookmarks_.erase(end, bookmarks_.end());
  bookmarksChanged();
  modified_ = true;
  shrinkBookmarkCapacity();
}

std::string CLFDoc::folderDisplayName(std::string_view path) {
  if (path.size() == 1) return kRootDisplayName;
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  const auto slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string_view CLFDoc::parentPath(std::string_view path) {
  if (path.empty()) return {};
  const std::string_view trimmed = path.substr(0, path.size() - 1);
  const auto slash = trimmed.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : trimmed.substr(0, slash + 1);
}

std::optional<std::uint32_t> CLFDoc::findUnlistedChild(std::uint32_t parent) const {
  for (std::uint32_t i = 1; i < folders_.size(); ++i)
    if (folders_[i].parent == parent && folders_[i].listed == 0) return i;
  return std::nullopt;
}

void CLFDoc::clearListedMarks() {
  for (auto& f : folders_) f.listed = 0;
}

bool CLFDoc::confirmSelection() {
  if (folders_.empty() || folders_[0].selection != kNotSelected) return true;
  return ui_.askYesNo(
      "WARNING: You have no folders selected!\n\nAre you sure you want to proceed?");
}

std::string CLFDoc::formatDate(std::uint32_t date) {
  if (date == 0) return "???";
  return formatLongDateTime(static_cast<std::time_t>(date));
}

void CLFDoc::DeleteContents() {
  folders_ = {};
  bookmarks_ = {};
  bookmarkCapacity_ = 0;
  folderIndex_.clear();
  bookmarksChanged();
}

void CLFDoc::setPathName(const std::string& path) {
  pathName_ = path;
  const auto slash = path.find_last_of('/');
  title_ = slash == std::string::npos ? path : path.substr(slash + 1);
}

void CLFDoc::setDefaultTitle() {
  pathName_.clear();
  title_ = "Untitled";
}

}  // namespace linkfold
