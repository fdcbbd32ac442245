#include "browsers/favorites/FavoritesWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <new>
#include <vector>

#include "browsers/favorites/FavoritesBackup.h"
#include "browsers/favorites/FavoritesFiles.h"
#include "browsers/favorites/InternetShortcut.h"
#include "library/LibraryIndexes.h"
#include "platform/SafeFile.h"
#include "platform/Text.h"
#include "platform/UiPort.h"

namespace linkfold {
namespace {

constexpr const char* kStatusWindowFailed =
    "Internal Error:\nCStatDlg creation failed in CLFDoc::Do_MSIE_Export()\nOperation cancelled "
    "-- existing MSIE folders and\nbookmarks remain unchanged.";

bool isSelected(const FolderEntry& folder) {
  return folder.selection == kSelected || folder.selection == kPartlySelected;
}

// "0000000D (Permission denied)"
std::string errorCode(int error) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(error));
  return std::string(text) + " (" + systemReason(error) + ")";
}

bool isDiskFailure(int error) {
  return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO || error == EROFS;
}

// The longest name a directory of the file system takes, in bytes.
std::size_t nameLimit(const std::string& directory) {
  const long limit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

class FavoritesWriter {
 public:
  FavoritesWriter(CLFDoc& doc, StatusWindow& status, FavoritesBackup& backup)
      : doc_(doc),
        status_(status),
        backup_(backup),
        favorites_(doc.browsers().favoritesPath),
        nameLimit_(nameLimit(favorites_)),
        children_(doc.folderCount()),
        bookmarksOf_(doc.bookmarks(), doc.folderCount()),
        inside_(doc.folderCount(), 0) {
    // Sub-folders in folder-table order, the order in which the tree would find them.
    for (std::uint32_t f = 1; f < doc.folderCount(); ++f) {
      const std::uint32_t parent = doc.folder(f).parent;
      if (parent < doc.folderCount() && parent != f) children_[parent].push_back(f);
    }
    if (!inside_.empty()) inside_[0] = 1;  // the Favorites folder itself
  }

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
        if (!leave(visit.folder)) return false;
        stack.pop_back();
      }
    }
    return true;
  }

 private:
  // The folder's directory with a final "/": its path, component by component made safe.
  std::string directoryOf(std::uint32_t folder) {
    std::string directory = favorites_;
    if (folder == 0) return directory;
    std::string_view path = doc_.folder(folder).path;
    while (!path.empty()) {
      const std::size_t end = path.find('\\');
      const std::string_view name = path.substr(0, end);
      directory += name.empty() ? std::string(1, doc_.replacementChar())
                                : fittedName(fileSystemName(name, doc_.replacementChar()), "");
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
      backup_.madeDirectory(shown);
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
  bool leave(std::uint32_t folder) {
    const std::string directory = directoryOf(folder);
    const std::string shown(withoutTrailingSeparator(directory));
    status_.setText("PROCESSING: " + shown);
    if (isSelected(doc_.folder(folder))) {
      for (const std::uint32_t bookmark : bookmarksOf_.of(folder))
        if (!Write_Shortcut(directory, bookmark)) return false;
    } else if (folder == 0) {
      doc_.setFolderLocked(0, true);
    } else {
      int error = 0;
      if (parentIsInside(folder, error) && ::rmdir(shown.c_str()) == 0) {
        backup_.removedDirectory(shown);
        doc_.setFolderLocked(folder, false);
      }
    }
    return true;
  }

  // Writes one shortcut; a bookmark whose URL cannot be stored, or whose file cannot be made
  // where something else stands, is reported and skipped. False when the disk failed (full,
  // read-only, broken): the export stops.
  bool Write_Shortcut(const std::string& directory, std::uint32_t bookmark) {
    const BookmarkRecord& record = doc_.bookmark(bookmark);
    const std::string path =
        directory + fittedName(fileSystemName(record.name, doc_.replacementChar()), ".url");
    InternetShortcut shortcut;
    if (!shortcut.SetURL(record.url)) {
      doc_.ui().inform("Invalid URL syntax.\n\nPage: " + record.name + "\nURL:" + record.url);
      return true;
    }
    if (!shortcut.Save(path)) {
      const std::string reason = "\nError code = " + errorCode(shortcut.saveError());
      const bool written = shortcut.saveFailure() == InternetShortcut::SaveFailure::Write;
      doc_.ui().inform(written ? "Could not write " + path + reason
                               : "File creation failed.\n\nFilename: " + path + reason);
      failures_.push_back(path + ": " + systemReason(shortcut.saveError()));
      return !written && !isDiskFailure(shortcut.saveError());
    }
    backup_.wroteFile(path);
    shortcut.SaveCompleted(path);
    return true;
  }

  // The name with `suffix` cut at a character boundary to what the file system takes; a cut is
  // remembered for the report.
  std::string fittedName(const std::string& name, std::string_view suffix) {
    if (name.size() + suffix.size() <= nameLimit_) return name + std::string(suffix);
    const std::size_t room = nameLimit_ > suffix.size() ? nameLimit_ - suffix.size() : 0;
    std::size_t end = 0;
    while (end < name.size() && end + utf8CharLength(name, end) <= room)
      end += utf8CharLength(name, end);
    std::string fitted = name.substr(0, end) + std::string(suffix);
    if (std::find(cuts_.begin(), cuts_.end(), fitted) == cuts_.end()) cuts_.push_back(fitted);
    return fitted;
  }

 public:
  // The names shortened to fit, as written.
  const std::vector<std::string>& cuts() const { return cuts_; }
  // The shortcuts that could not be written and were skipped, each with the system's reason.
  const std::vector<std::string>& failures() const { return failures_; }

 private:
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
  FavoritesBackup& backup_;
  const std::string& favorites_;
  std::size_t nameLimit_;
  std::vector<std::string> cuts_;
  std::vector<std::vector<std::uint32_t>> children_;
  BookmarksByFolder bookmarksOf_;
  std::vector<char> inside_;  // the folder's directory is known to be a real one
  std::vector<std::string> failures_;
};

// "MSIE Export failed." with the first shortcuts that were skipped, one a line.
std::string failureReport(const std::vector<std::string>& failures) {
  constexpr std::size_t kListed = 10;
  std::string text = "MSIE Export failed.\nThese shortcuts could not be written:";
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

// One message that names every shortened name.
void reportCuts(UiPort& ui, const std::vector<std::string>& cuts) {
  if (cuts.empty()) return;
  std::string text = "These names were too long for the file system and were shortened:";
  for (const std::string& name : cuts) text += "\n" + name;
  ui.inform(text);
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
  std::string failure;
  std::vector<std::string> cuts;
  std::vector<std::string> skipped;
  try {
    FavoritesBackup backup(doc.browsers().favoritesPath);
    exported = backup.moveShortcutsAside(failure);
    if (exported) {
      FavoritesWriter writer(doc, *status, backup);
      if (doc.folderCount() > 0) exported = writer.Export_Folder(0);
      cuts = writer.cuts();
      skipped = writer.failures();
    }
    std::string kept;
    if (exported)
      backup.commit();
    else if (failure.empty() && !backup.rollBack(kept))
      failure = "Some shortcuts could not be put back; they are in\n" + kept;
  } catch (const std::bad_alloc&) {
    exported = false;  // the backup's destructor has put the Favorites folder back
  }
  status.reset();
  if (updateAllViews) updateAllViews();
  if (exported) {
    reportCuts(doc.ui(), cuts);
    if (skipped.empty()) return true;
    // The rest was written; the export still did not do all it was asked to.
    doc.ui().showMessage({failureReport(skipped), MessageIcon::Exclamation});
    return false;
  }
  doc.ui().showMessage(
      {"MSIE Export failed.\n" +
           (failure.empty() ? "The Favorites folder was left as it was." : failure),
       MessageIcon::Exclamation});
  return false;
}

}  // namespace linkfold
