#include "browsers/favorites/FavoritesReader.h"

#include <sys/stat.h>

#include <cstdint>
#include <new>

#include "browsers/favorites/FavoritesFiles.h"
#include "browsers/favorites/InternetShortcut.h"
#include "library/CStatDlg.h"
#include "library/NameRules.h"
#include "platform/Text.h"

namespace linkfold {
namespace {

// A name read from disk as a library name: a backslash would split a folder path.
std::string libraryName(std::string_view fileName, char replacement) {
  std::string name(fileName);
  for (char& c : name) {
    if (c == '\\') c = replacement;
  }
  return name;
}

// The bookmark's name: the file name without ".url", cut to 50 characters, trailing white space
// removed; leading white space stays.
std::string bookmarkName(std::string_view fileName, char replacement) {
  fileName.remove_suffix(4);
  return libraryName(trimTrailingWhite(utf8Prefix(fileName, kMaxNameLength)), replacement);
}

bool isReadOnly(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

class FavoritesReader {
 public:
  explicit FavoritesReader(CLFDoc& doc) : doc_(doc), favorites_(doc.browsers().favoritesPath) {}

  bool scanRoot() { return scan(0, std::string(), favorites_, true); }

  // The sub-folder of the Favorites folder with this relative path (no final backslash).
  bool scanSubFolder(const std::string& relativePath, const std::string& directory, bool top) {
    const std::string folderPath = relativePath + '\\';
    std::uint32_t folder = 0;
    if (!doc_.addFolder(folderPath, false, &folder)) {
      doc_.logFatal("CLFDoc::Scan_Folder:\nFailed to create internal path object");
      return false;
    }
    return scan(folder, folderPath, directory, top);
  }

 private:
  // `relativePath` is the folder's path below the Favorites folder as read from disk, empty for
  // the root; `directory` is where it lies.
  bool scan(std::uint32_t folder, const std::string& relativePath, const std::string& directory,
            bool top) {
    CStatDlg* status = doc_.statusWindow();
    const std::string reading = "Reading " + std::string(withoutTrailingSeparator(directory));
    if (status) status->setText(reading);
    const std::optional<std::vector<DirectoryEntry>> entries = listDirectory(directory);
    if (!entries) {
      doc_.logFatal("CLFDoc::Scan_Folder:\nFindFirstFile API failed.");
      return false;
    }
    bool foreign = false;
    for (std::size_t i = 0; i < entries->size(); ++i) {
      const DirectoryEntry& entry = (*entries)[i];
      if (entry.kind == EntryKind::Directory) {
        const std::string childPath = relativePath + libraryName(entry.name, replacement());
        if (!scanSubFolder(childPath, directory + entry.name + '/', false)) return false;
        if (status) status->setText(reading);  // back from the sub-folder
      } else if (entry.kind == EntryKind::File && hasShortcutExtension(entry.name)) {
        if (!readShortcut(folder, directory, entry.name, foreign)) return false;
      } else {
        foreign = true;  // other files, and symbolic links, which are never followed
      }
      if (top && status) status->setProgress(i + 1, entries->size());
    }
    if (foreign) lockWithParents(folder);
    return true;
  }

  bool readShortcut(std::uint32_t folder, const std::string& directory, const std::string& fileName,
                    bool& foreign) {
    const std::string path = directory + fileName;
    if (isReadOnly(path)) foreign = true;
    InternetShortcut shortcut;
    if (!shortcut.Load(path)) {
      logSkipped("Failed to access file ", path);
      return true;
    }
    const std::optional<std::string> url = shortcut.GetURL();
    if (!url) {
      logSkipped("Could not extract URL from ", path);
      return true;
    }
    if (!doc_.addBookmark(folder, bookmarkName(fileName, replacement()), *url, {}, 0, 0, 0)) {
      doc_.logFatal("CLFDoc::ScanFolder:\nCould not create internal bookmark item.");
      return false;
    }
    return true;
  }

  void logSkipped(std::string_view reason, const std::string& path) {
    doc_.logLine(reason);
    doc_.logLine(path);
    doc_.logLine("\n");
    doc_.setAdjustmentFlag();
  }

  // The root is locked only by a foreign file of its own.
  void lockWithParents(std::uint32_t folder) {
    doc_.setFolderLocked(folder, true);
    for (std::uint32_t f = doc_.folder(folder).parent; folder != 0 && f != 0;
         f = doc_.folder(f).parent) {
      doc_.setFolderLocked(f, true);
    }
  }

  char replacement() const { return doc_.replacementChar(); }

  CLFDoc& doc_;
  const std::string& favorites_;
};

std::string directoryOf(const std::string& favorites, std::string_view relativePath) {
  std::string directory = favorites;
  for (const char c : relativePath) directory.push_back(c == '\\' ? '/' : c);
  return directory + '/';
}

}  // namespace

bool Scan_Folder(CLFDoc& doc, const std::optional<std::string>& relativePath) {
  FavoritesReader reader(doc);
  try {
    if (!relativePath) return reader.scanRoot();
    return reader.scanSubFolder(*relativePath,
                                directoryOf(doc.browsers().favoritesPath, *relativePath), true);
  } catch (const std::bad_alloc&) {
    doc.logFatal("CLFDoc::Scan_Folder:\nNot enough memory to read the Favorites folder");
    return false;
  }
}

}  // namespace linkfold
