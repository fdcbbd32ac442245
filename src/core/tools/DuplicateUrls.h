#pragma once
// The search behind Weed Duplicates: a working list with one entry per bookmark, sorted by URL,
// and the groups of entries that share a URL.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace linkfold {

class CLFDoc;

// One bookmark of the working list. The URL refers to the text inside the library, which must
// not change while the list is in use.
struct UrlEntry {
  std::string_view url;
  std::uint32_t bookmark = 0;  // index in the bookmark table
  std::uint32_t removalMark = 0;
};

// Entries first..last (inclusive, first < last) of the sorted list share one URL; the entries
// around them have other URLs.
struct DuplicateGroup {
  std::uint32_t first = 0;
  std::uint32_t last = 0;
  friend bool operator==(const DuplicateGroup&, const DuplicateGroup&) = default;
};

// The steps are separate so that the status window can say which one runs.
struct DuplicateSearch {
  static constexpr std::size_t kInitialGroups = 128;

  // Takes the room for the list and the first groups up front. Throws std::bad_alloc.
  explicit DuplicateSearch(std::size_t bookmarkCount);

  // One entry per bookmark, in table order, unmarked.
  void buildList(const CLFDoc& doc);
  // Byte-wise, case-sensitive order of the URLs; a trailing "/" counts like any other byte.
  // Entries with equal URLs stay in table order.
  void sortList();
  // Every URL shared by two or more entries, once, in list order. Throws std::bad_alloc.
  void findGroups();
  // The three steps in turn.
  void run(const CLFDoc& doc);

  std::vector<UrlEntry> list;
  std::vector<DuplicateGroup> groups;
};

}  // namespace linkfold
