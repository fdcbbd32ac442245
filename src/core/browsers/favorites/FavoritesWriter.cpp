#include "browsers/favorites/FavoritesWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "browsers/favorites/FavoritesFiles.h"
#include "browsers/favorites/InternetShortcut.h"
#include "library/FolderContents.h"
#include "platform/UiPort.h"

namespace linkfold {
namespace {

constexpr const char* kStatusWindowFailed =
    "Internal Error:\nCStatDlg creation failed in CLFDoc::Do_MSIE_Export()\nOperation cancelled "
    "-- existing MSIE folders and\nbookmarks remain unchanged.";

bool isSelected(const FolderEntry& folder) {
  return folder.selection == kSelected || folder.selection == kPartlySelected;
}

std::string errorCode(int error) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(error));
  return text;
}

class FavoritesWriter {
 public:
  FavoritesWriter(CLFDoc& doc, StatusWindow& status)
      : doc_(doc),
        status_(status),
        favorites_(doc.browsers().favoritesPath),
        children_(doc.folderCount()),
        bookmarksOf_(bookmarksByFolder(doc)),
        inside_(doc.folderCount(), 0) {
    // Sub-folders in folder-table order, the order in which the tree would find them.
    for (std::uint32_t f = 1; f < doc.folderCount(); ++f) {
      const std::uint32_t parent = doc.folder(f).parent;
      if (parent < doc.folderCount() && parent != f) children_[parent].push_back(f);
    }
    if (!inside_.empty()) inside_[0] = 1;  // the Favorites folder itself
  }

  // Deletes every shortcut file below the directory and every sub-directory left empty. Files
  // of other kinds and symbolic links stay; a shortcut that cannot be removed is noted.
  void Delete_Shortcuts(const std::string& directory) {
    const std::optional<std::vector<DirectoryEntry>> entries = listDirectory(directory);
    if (!entries) return;
    for (const DirectoryEntry& entry : *entries) {
      if (entry.kind == EntryKind::File && hasShortcutExtension(entry.name)) {
        const std::string path = directory + entry.name;
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
          failures_.push_back("Could not remove " + path + ": " + std::strerror(errno));
      } else if (entry.kind == EntryKind::Directory) {
        const std::string subDirectory = directory + entry.name + '/';
        Delete_Shortcuts(subDirectory);
        ::rmdir(std::string(withoutTrailingSeparator(subDirectory)).c_str());
      }
    }
  }

  // The file operations that failed without stopping the export, each with its path and reason.
  const std::vector<std::string>& failures() const { return failures_; }

  // Writes the folder and everything below it, parents before their sub-folders. Walks from an
  // explicit stack: a library may nest folders deeper than the call stack would allow.
  bool Export_Folder(std::uint32_t top) {
    struct Visit {
      std::uint32_t folder;
      std::size_t nextChild;
    };
    if (!enter(top)) return false;
    std::vector<Visit> stack{{top, 0}};
    while (!stack.empty()) {
      Visit& visit = stack.back();
      if (visit.nextChild < children_[visit.folder].size()) {
        const std::uint32_t child = children_[visit.folder][visit.nextChild++];
        if (!enter(child)) return false;
        stack.push_back({child, 0});
      } else {
        leave(visit.folder);
        stack.pop_back();
      }
    }
    return true;
  }

 private:
  // The folder's directory with a final "/": its path, component by component made safe.
  std::string directoryOf(std::uint32_t folder) const {
    std::string directory = favorites_;
    if (folder == 0) return directory;
    std::string_view path = doc_.folder(folder).path;
    while (!path.empty()) {
      const std::size_t end = path.find('\\');
      const std::string_view name = path.substr(0, end);
      directory += name.empty() ? std::string(1, doc_.replacementChar())
                                : fileSystemName(name, doc_.replacementChar());
      directory += '/';
      path.remove_prefix(end == std::string_view::npos ? path.size() : end + 1);
    }
    return directory;
  }

  // Steps 1 and 2: the directory of a selected folder is made, or found holding other files.
  bool enter(std::uint32_t folder) {
    if (!isSelected(doc_.folder(folder))) return true;
    const std::string shown(withoutTrailingSeparator(directoryOf(folder)));
    status_.setText("Creating folder " + shown);
    int error = 0;
    if (!parentIsInside(folder, error)) {
      return reportCreateFailure(shown, error);
    }
    if (::mkdir(shown.c_str(), 0777) == 0) {
      doc_.setFolderLocked(folder, false);
    } else if (errno == EEXIST && isRealDirectory(shown)) {
      doc_.setFolderLocked(folder, true);  // the Favorites folder, or a directory of other files
    } else {
      // A symbolic link or a file in the directory's place is never written through.
      return reportCreateFailure(shown, errno == EEXIST ? ENOTDIR : errno);
    }
    inside_[folder] = 1;
    return true;
  }

  bool reportCreateFailure(const std::string& shown, int error) {
    doc_.ui().showMessage(
        {"Could not create folder:\n\"" + shown + "\"\nError code = " + errorCode(error),
         MessageIcon::Exclamation});
    return false;
  }

  // Steps 4 to 6: the shortcuts of a selected folder; a folder that is not selected loses its
  // directory when nothing else is left in it.
  void leave(std::uint32_t folder) {
    const std::string directory = directoryOf(folder);
    const std::string shown(withoutTrailingSeparator(directory));
    status_.setText("PROCESSING: " + shown);
    if (isSelected(doc_.folder(folder))) {
      for (const std::uint32_t bookmark : bookmarksOf_[folder]) Write_Shortcut(directory, bookmark);
    } else if (folder == 0) {
      doc_.setFolderLocked(0, true);
    } else {
      int error = 0;
      if (parentIsInside(folder, error) && ::rmdir(shown.c_str()) == 0) {
        doc_.setFolderLocked(folder, false);
      }
    }
  }

  // Writes one shortcut; a bookmark that cannot be written is reported and skipped.
  void Write_Shortcut(const std::string& directory, std::uint32_t bookmark) {
    const BookmarkRecord& record = doc_.bookmark(bookmark);
    const std::string path =
        directory + fileSystemName(record.name, doc_.replacementChar()) + ".url";
    InternetShortcut shortcut;
    errno = 0;
    if (!shortcut.SetURL(record.url)) {
      doc_.ui().inform("Invalid URL syntax.\n\nPage: " + record.name + "\nURL:" + record.url);
      return;
    }
    if (!shortcut.Save(path)) {
      failures_.push_back("Could not write " + path + ": " +
                          (errno ? std::strerror(errno) : "the shortcut could not be made"));
      doc_.ui().inform(shortcut.saveFailure() == InternetShortcut::SaveFailure::Write
                           ? "Could not write " + path
                           : "File creation failed.\n\nFilename: " + path);
      return;
    }
    shortcut.SaveCompleted(path);
  }

  // True when every directory above the folder's own, up to the Favorites folder, is a real
  // directory, so that nothing made or removed there can land outside the Favorites folder.
  bool parentIsInside(std::uint32_t folder, int& error) {
    for (std::uint32_t f = doc_.folder(folder).parent; !inside_[f]; f = doc_.folder(f).parent) {
      const std::string directory(withoutTrailingSeparator(directoryOf(f)));
      struct stat info {};
      if (::lstat(directory.c_str(), &info) != 0) {
        error = errno;
        return false;
      }
      if (!S_ISDIR(info.st_mode)) {
        error = ENOTDIR;
        return false;
      }
      inside_[f] = 1;
    }
    return true;
  }

  CLFDoc& doc_;
  StatusWindow& status_;
  const std::string& favorites_;
  std::vector<std::vector<std::uint32_t>> children_;
  std::vector<std::vector<std::uint32_t>> bookmarksOf_;
  std::vector<char> inside_;  // the folder's directory is known to be a real one
  std::vector<std::string> failures_;
};

// "MSIE Export failed." with the first failures that did not stop it, one a line.
std::string failureReport(const std::vector<std::string>& failures) {
  constexpr std::size_t kListed = 10;
  std::string text = "MSIE Export failed.";
  if (!failures.empty()) text += '\n';
  for (std::size_t i = 0; i < failures.size() && i < kListed; ++i) text += '\n' + failures[i];
  if (failures.size() > kListed)
    text += "\n... and " + std::to_string(failures.size() - kListed) + " more.";
  return text;
}

std::unique_ptr<StatusWindow> createStatusWindow(UiPort& ui) {
  try {
    return ui.createStatusWindow();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

bool Do_MSIE_Export(CLFDoc& doc, const std::function<void()>& updateAllViews) {
  std::unique_ptr<StatusWindow> status = createStatusWindow(doc.ui());
  if (!status) {
    doc.ui().inform(kStatusWindowFailed);
    return false;
  }
  status->center();
  bool exported = true;
  std::vector<std::string> failures;
  try {
    FavoritesWriter writer(doc, *status);
    writer.Delete_Shortcuts(doc.browsers().favoritesPath);
    if (doc.folderCount() > 0) exported = writer.Export_Folder(0);
    failures = writer.failures();
  } catch (const std::bad_alloc&) {
    exported = false;  // stopped where it was, like any other failure of the export
  }
  status.reset();
  if (updateAllViews) updateAllViews();
  exported = exported && failures.empty();
  if (!exported) doc.ui().showMessage({failureReport(failures), MessageIcon::Exclamation});
  return exported;
}

}  // namespace linkfold
