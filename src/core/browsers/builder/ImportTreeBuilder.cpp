#include "browsers/builder/ImportTreeBuilder.h"

#include "library/CLFDoc.h"
#include "library/NameRules.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

constexpr const char* kRelocatedFolder = "Relocated\\";

// Default names of nameless folders are numbered over the whole life of the program.
std::uint32_t namelessFolders = 0;

}  // namespace

bool ImportTreeBuilder::fatal(std::string_view message) {
  doc_.logFatal(message);
  return false;
}

std::string ImportTreeBuilder::folderComponent(std::string_view parentPath,
                                               std::string_view written) {
  // Cleaned before the test for a name, so that a name of blanks gets a default name too and no
  // folder path has an empty component.
  std::string name = doc_.cleanItemName(written);
  if (name.empty()) {
    name = "Folder (" + std::to_string(++namelessFolders) + ")";
    doc_.logLine(parentPath.empty()
                     ? std::string(kRootDisplayName)
                     : "Folder " + std::string(parentPath.substr(0, parentPath.size() - 1)));
    doc_.logLine(" contains a folder with no name\nDefault name " + name + " provided\n");
  }
  name += '\\';
  return name;
}

bool ImportTreeBuilder::relocate(std::string_view component, ImportFolder& folder) {
  if (!doc_.addFolder(kRelocatedFolder, false))
    return fatal("CLFDoc::Parse_NS_Folder:\nCould not create \"Relocated\" folder");
  folder.path.assign(kRelocatedFolder).append(component);
  if (!doc_.addFolder(folder.path, false))
    return fatal("CLFDoc::Parse_NS_Folder:\nCould not create " + folder.path + " folder");
  doc_.logLine("Folder \"");
  doc_.logLine(component);
  doc_.logLine(
      "\"\ncould not be created because the path is too long\nFolder was moved to a root folder "
      "named \"Relocated\"");
  doc_.setAdjustmentFlag();
  return true;
}

bool ImportTreeBuilder::placeFolder(const ImportFolder& parent, std::string_view component,
                                    ImportFolder& folder) {
  const std::size_t total =
      parent.pathChars + utf8CharCount(component) + doc_.browsers().favoritesPathLength();
  if (total > CLFDoc::kMaxFullPath) {
    if (!relocate(component, folder)) return false;
  } else {
    folder.path.reserve(parent.path.size() + component.size());
    folder.path.assign(parent.path).append(component);
  }
  folder.pathChars = utf8CharCount(folder.path);
  folder.added = false;
  return true;
}

bool ImportTreeBuilder::addFolder(ImportFolder& folder) {
  if (folder.added) return true;
  if (!doc_.addFolder(folder.path, false, &folder.index))
    return fatal("CLFDoc::Parse_NS_Folder:\nFailed to create internal folder item");
  folder.added = true;
  return true;
}

bool ImportTreeBuilder::openFolder(ImportFolder& parent, std::string_view written,
                                   ImportFolder& folder) {
  return addFolder(parent) && placeFolder(parent, folderComponent(parent.path, written), folder) &&
         addFolder(folder);
}

void ImportTreeBuilder::nameBookmark(BookmarkRecord& mark, std::string_view written) {
  // A name of no more bytes than the limit has no more characters either.
  const std::string_view name =
      written.size() <= kMaxNameLength ? written : utf8Prefix(written, kMaxNameLength);
  // Cleaned before the test for a name, so that a name of blanks gets a default name too.
  mark.name = doc_.cleanItemName(name);
  if (mark.name.empty()) {
    mark.name = doc_.cleanItemName(utf8Prefix(mark.url, kMaxNameLength));
    doc_.logLine("Bookmark for URL \"" + mark.url + "\" has no name\nDefault name \"" + mark.name +
                 "\" provided\n");
    doc_.setAdjustmentFlag();
  }
}

bool ImportTreeBuilder::addBookmark(ImportFolder& folder, BookmarkRecord&& mark,
                                    std::optional<std::uint32_t> key) {
  if (!addFolder(folder)) return false;
  mark.folder = folder.index;
  if (doc_.addBookmark(std::move(mark), nullptr, key)) return true;
  return fatal("CLFDoc::Parse_NS_Folder:\nFailed to add item to document");
}

}  // namespace linkfold
