#pragma once
// A library document whose Favorites folder is a fresh temporary directory, with helpers that
// build trees of shortcut files on disk.

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/library/LibraryFixture.h"

namespace linkfold::test {

struct FavoritesFixture : LibraryFixture {
  FavoritesFixture() : LibraryFixture(FavoritesInTemp{}) {
    std::filesystem::create_directories(favorites());
  }

  std::string favorites() const { return doc.browsers().favoritesPath; }
  // Writes a file below the Favorites folder.
  void put(const std::string& relative, const std::string& bytes) {
    temp.write("Favorites/" + relative, bytes);
  }
  void shortcut(const std::string& relative, const std::string& url) {
    put(relative, "[InternetShortcut]\r\nURL=" + url + "\r\n");
  }
  bool exists(const std::string& relative) const {
    return std::filesystem::exists(std::filesystem::symlink_status(favorites() + relative));
  }
  void bookmark(const std::string& folderPath, const std::string& name, const std::string& url) {
    EXPECT_TRUE(doc.addBookmark(folder(folderPath), name, url, "", 0, 0, 0));
  }
  // Every bookmark as "folder path|name|url", sorted.
  static std::vector<std::string> bookmarks(const CLFDoc& library) {
    std::vector<std::string> out;
    for (const auto& b : library.bookmarks())
      out.push_back(library.folder(b.folder).path + "|" + b.name + "|" + b.url);
    std::sort(out.begin(), out.end());
    return out;
  }
  bool locked(const std::string& path) { return doc.folder(*doc.findFolder(path)).locked; }
  std::string log() {
    doc.closeLog();
    return temp.read("IMPLOG.TXT");
  }
};

}  // namespace linkfold::test
