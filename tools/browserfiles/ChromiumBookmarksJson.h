#pragma once
// Writes a Bookmarks file the way Chromium-family browsers write it (three-space indent, dates
// as strings of microseconds since 1601, checksum and version), item by item, so that the
// benchmarks can write millions of bookmarks without holding them.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace linkfold::browserfiles {

// Seconds since 1970 as a Chromium date.
constexpr std::uint64_t chromiumTime(std::uint64_t unixSeconds) {
  return (unixSeconds + 11644473600ull) * 1000000ull;
}

class ChromiumBookmarksJson {
 public:
  explicit ChromiumBookmarksJson(std::ostream& out);

  // Opens a root ("bookmark_bar", "other", "synced", or another) or a folder inside one.
  void beginRoot(const std::string& key, const std::string& name);
  void beginFolder(const std::string& name, std::uint64_t dateAdded = 0);
  void endFolder();  // ends a folder or a root
  void url(const std::string& name, const std::string& url, std::uint64_t dateAdded = 0,
           std::uint64_t dateLastUsed = 0);
  // Closes the roots and writes checksum and version.
  void finish();
  // Ends the bookmark bar, adds the other two roots empty, and finishes.
  void finishAfterBar();

  // A file with the three usual roots, holding the given bookmark-bar items (name, url pairs).
  static std::string simple(const std::vector<std::pair<std::string, std::string>>& bar);

 private:
  void beginItem();
  std::ostream& line();  // starts a new line, indented for the current depth

  std::ostream& out_;
  std::vector<bool> firstInList_;
  std::uint64_t nextId_ = 0;
};

// A JSON string literal of `text`, escaped as Chromium escapes it.
std::string jsonString(const std::string& text);

}  // namespace linkfold::browserfiles
