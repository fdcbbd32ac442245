#include "tools/DuplicateUrls.h"

#include <algorithm>

#include "library/CLFDoc.h"

namespace linkfold {

DuplicateSearch::DuplicateSearch(std::size_t bookmarkCount) {
  list.reserve(bookmarkCount);
  groups.reserve(kInitialGroups);
}

void DuplicateSearch::buildList(const CLFDoc& doc) {
  list.clear();
  for (std::uint32_t i = 0; i < doc.bookmarkCount(); ++i)
    list.push_back({doc.bookmark(i).url, i, 0});
}

void DuplicateSearch::sortList() {
  // string_view compares as memcmp does: unsigned bytes, then the shorter text first. Equal
  // URLs keep table order, so a group lists its bookmarks the same way every time.
  std::sort(list.begin(), list.end(), [](const UrlEntry& a, const UrlEntry& b) {
    const int order = a.url.compare(b.url);
    return order != 0 ? order < 0 : a.bookmark < b.bookmark;
  });
}

void DuplicateSearch::findGroups() {
  groups.clear();
  const std::size_t count = list.size();
  // i + 1 < count rather than i < count - 1, which an empty list would turn into a huge bound.
  for (std::size_t i = 0; i + 1 < count;) {
    if (list[i].url != list[i + 1].url) {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j + 1 < count && list[i].url == list[j + 1].url) ++j;
    // The array grows geometrically: a library of a million bookmarks can hold half a million
    // groups, and growing by fixed steps would copy the array over and over.
    groups.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(j)});
    i = j + 1;
  }
}

void DuplicateSearch::run(const CLFDoc& doc) {
  buildList(doc);
  sortList();
  findGroups();
}

}  // namespace linkfold
