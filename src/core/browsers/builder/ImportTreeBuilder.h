#pragma once
// The name rules every browser reader follows when it adds what it read to the library: names
// cut and cleaned, nameless folders and bookmarks given default names (and logged), folder
// paths too long for the Favorites folder moved under "Relocated". The Netscape reader, the
// Firefox reader and the Chromium reader all add folders and bookmarks through here, so that the
// library gets the same result from each.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "library/LibraryTypes.h"

namespace linkfold {

class CLFDoc;

// A folder of the library as a reader fills it.
struct ImportFolder {
  std::string path;  // with its last backslash; empty for the root
  std::size_t pathChars = 0;
  std::uint32_t index = 0;
  // A folder placed but not added yet: it is added with its first item, so that a browser's
  // root that holds nothing adds no folder.
  bool added = true;
};

class ImportTreeBuilder {
 public:
  explicit ImportTreeBuilder(CLFDoc& doc) : doc_(doc) {}

  // The path component (with its backslash) of a folder written as `written` inside the folder
  // at `parentPath`: cleaned, or a default name that is logged.
  std::string folderComponent(std::string_view parentPath, std::string_view written);
  // Places the folder `component` inside `parent`, under "Relocated" when the full path would
  // be too long; false after a fatal error that it has logged.
  bool placeFolder(const ImportFolder& parent, std::string_view component, ImportFolder& folder);
  // Places a browser's root folder `written` at the top level. It is added with its first item,
  // so that a root that holds nothing adds no folder.
  bool placeRoot(std::string_view written, ImportFolder& folder) {
    return placeFolder(ImportFolder{}, folderComponent("", written), folder);
  }
  // Adds a placed folder (and its parent first, when that waits too); false after a fatal error.
  bool addFolder(ImportFolder& folder);
  // Gives `mark` its name from the written one: cut, cleaned, or a default name from the URL
  // that is logged. The URL must be set.
  void nameBookmark(BookmarkRecord& mark, std::string_view written);
  // Adds a named bookmark to `folder` (adding the folder when it waits); false after a fatal
  // error that it has logged. `key`, when given, is the library's prefetchBookmark() of the
  // mark with the folder's index.
  bool addBookmark(ImportFolder& folder, BookmarkRecord&& mark,
                   std::optional<std::uint32_t> key = std::nullopt);

  // The whole of a folder as browsers other than Netscape give it: component, place, add.
  bool openFolder(ImportFolder& parent, std::string_view written, ImportFolder& folder);

 private:
  bool relocate(std::string_view component, ImportFolder& folder);
  bool fatal(std::string_view message);

  CLFDoc& doc_;
};

}  // namespace linkfold
