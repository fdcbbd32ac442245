#pragma once
// A library document whose Favorites folder is a fresh temporary directory, with helpers that
// build trees of shortcut files on disk and list what the disk holds afterwards.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "browsers/favorites/FavoritesWriter.h"
#include "core/library/LibraryFixture.h"

namespace linkfold::test {

struct FavoritesFixture : LibraryFixture {
  FavoritesFixture() : LibraryFixture(FavoritesInTemp{}) {
    std::filesystem::create_directories(favorites());
    doc.addFolder("\\", true);
  }

  bool exportAll() {
    return Do_MSIE_Export(doc, [this] { ++viewUpdates; });
  }
  std::string favorites() const { return doc.browsers().favoritesPath; }
  void shortcut(const std::string& relative, const std::string& url) {
    temp.write("Favorites/" + relative, "[InternetShortcut]\r\nURL=" + url + "\r\n");
  }
  void bookmark(const std::string& folderPath, const std::string& name, const std::string& url) {
    EXPECT_TRUE(doc.addBookmark(folder(folderPath), name, url, "", 0, 0, 0));
  }
  // One line of a tree: "url|path|URL", "file|path|bytes", "dir|path", "link|path|target" or
  // "read-only|path" below the Favorites folder, "outside|path|bytes" beside it; "folder|path",
  // "bookmark|folder|name|url", "unselected|folder", "partly|folder", "locked|folder" or
  // "unlocked|folder" in the library.
  void make(const std::string& line) {
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '|');) f.push_back(field);
    f.resize(4);
    const std::string& kind = f[0];
    ASSERT_NE(kKinds.find(" " + kind + " "), std::string::npos) << line;
    if (kind == "url") shortcut(f[1], f[2]);
    if (kind == "file") temp.write("Favorites/" + f[1], f[2]);
    if (kind == "dir") std::filesystem::create_directories(favorites() + f[1]);
    if (kind == "link") std::filesystem::create_symlink(temp.file(f[2]), favorites() + f[1]);
    if (kind == "read-only") ::chmod((favorites() + f[1]).c_str(), 0444);
    if (kind == "outside") temp.write(f[1], f[2]);
    if (kind == "folder") folder(f[1]);
    if (kind == "bookmark") bookmark(f[1], f[2], f[3]);
    if (kind == "unselected") doc.setFolderSelection(doc.findFolder(f[1]).value(), kNotSelected);
    if (kind == "partly") doc.setFolderSelection(doc.findFolder(f[1]).value(), kPartlySelected);
    if (kind.ends_with("locked"))
      doc.setFolderLocked(doc.findFolder(f[1]).value(), kind == "locked");
  }
  static inline const std::string kKinds =
      " url file dir link read-only outside folder bookmark unselected partly locked unlocked ";
  int viewUpdates = 0;

  // The temporary directory but the log, sorted: "dir/", "file = bytes", "link -> target".
  std::vector<std::string> onDisk() const {
    std::vector<std::string> out;
    const std::size_t from = temp.path().size() + 1;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path())) {
      const std::string name = entry.path().string().substr(from);
      if (entry.is_symlink())
        out.push_back(name + " -> " + std::filesystem::read_symlink(entry).string().substr(from));
      else if (entry.is_directory())
        out.push_back(name + "/");
      else if (name != "IMPLOG.TXT")
        out.push_back(name + " = " + temp.read(name));
    }
    std::sort(out.begin(), out.end());
    return out;
  }
  // Every bookmark as "folder path|name|url", sorted.
  static std::vector<std::string> bookmarks(const CLFDoc& library) {
    std::vector<std::string> out;
    for (const auto& b : library.bookmarks())
      out.push_back(library.folder(b.folder).path + "|" + b.name + "|" + b.url);
    std::sort(out.begin(), out.end());
    return out;
  }
  // Every folder's path, sorted, a locked one's ending in "*".
  std::vector<std::string> folders() const {
    std::vector<std::string> out;
    for (const auto& f : doc.folders()) out.push_back(f.path + (f.locked ? "*" : ""));
    std::sort(out.begin(), out.end());
    return out;
  }
  // The log after its header, one entry a line.
  std::vector<std::string> log() {
    doc.closeLog();
    std::istringstream text(temp.read("IMPLOG.TXT"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line); lines.push_back(line))
      if (line.ends_with('\r')) line.pop_back();
    return {lines.begin() + 2, lines.end()};
  }
};

}  // namespace linkfold::test
