// Item-name cleaning and the order of the bookmark table.

#include "library/NameRules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <vector>

#include "library/CLFDoc.h"
#include "platform/Text.h"

namespace linkfold {

std::string cleanName(std::string_view name, char replacement) {
  std::string out(name);
  for (char& c : out) {
    if (c == '\t')
      c = ' ';
    else if (isForbiddenNameChar(c))
      c = replacement;
  }
  // Trimmed in place, so that a name costs one allocation at most.
  const std::string_view trimmed = trimWhite(out);
  const auto start = static_cast<std::size_t>(trimmed.data() - out.data());
  out.erase(start + trimmed.size()).erase(0, start);
  if (!out.empty() && std::all_of(out.begin(), out.end(), [](char c) { return c == '.'; })) {
    std::fill(out.begin(), out.end(), replacement);
    // A blank replacement character leaves nothing once trimmed.
    out = std::string(trimWhite(out));
  }
  return out;
}

bool bookmarkOrderLess(const BookmarkRecord& a, const BookmarkRecord& b) {
  const int byName = compareNoCase(a.name, b.name);
  if (byName != 0) return byName < 0;
  return a.folder < b.folder;
}

std::string CLFDoc::cleanItemName(std::string_view name) const {
  return cleanName(name, replacementChar_);
}

namespace {

// A sort key that settles most comparisons without touching the names: the first 24 bytes of
// the name, lower-cased, packed so that unsigned integer order is byte order. Padding with
// zeros keeps a shorter name first; equal keys fall back to the full comparison. Names often
// share their first words ("The ", "How to "), so eight bytes alone would leave many ties, and
// each tie reads two records from far apart in memory.
constexpr std::size_t kPrefixWords = 3;
using NamePrefix = std::array<std::uint64_t, kPrefixWords>;

struct SortKey {
  NamePrefix prefix;
  std::uint32_t record;
};

NamePrefix namePrefix(std::string_view name) {
  NamePrefix prefix{};
  for (std::size_t i = 0; i < 8 * kPrefixWords; ++i) {
    const unsigned char byte =
        i < name.size() ? asciiLower(static_cast<unsigned char>(name[i])) : 0;
    prefix[i / 8] = (prefix[i / 8] << 8) | byte;
  }
  return prefix;
}

// Moves every record to its place: order[k] is the record that belongs at position k. Follows
// the cycles of the permutation, so no second table is needed.
void applyOrder(std::vector<BookmarkRecord>& table, std::vector<std::uint32_t>& order) {
  for (std::uint32_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    BookmarkRecord held = std::move(table[start]);
    std::uint32_t k = start;
    while (true) {
      const std::uint32_t source = order[k];
      order[k] = k;
      if (source == start) {
        table[k] = std::move(held);
        break;
      }
      table[k] = std::move(table[source]);
      k = source;
    }
  }
}

}  // namespace

void CLFDoc::sortBookmarks() {
  std::vector<SortKey> keys;
  std::vector<std::uint32_t> order;
  try {
    keys.resize(bookmarks_.size());
    order.resize(bookmarks_.size());
  } catch (const std::bad_alloc&) {
    // Without room for the keys, sort the records themselves.
    std::sort(bookmarks_.begin(), bookmarks_.end(), bookmarkOrderLess);
    bookmarksChanged();
    return;
  }
  for (std::uint32_t i = 0; i < keys.size(); ++i) keys[i] = {namePrefix(bookmarks_[i].name), i};
  // Ties in name and folder keep their table order, so a run always gives the same result.
  std::sort(keys.begin(), keys.end(), [this](const SortKey& a, const SortKey& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    const BookmarkRecord& ra = bookmarks_[a.record];
    const BookmarkRecord& rb = bookmarks_[b.record];
    if (const int byName = compareNoCase(ra.name, rb.name); byName != 0) return byName < 0;
    if (ra.folder != rb.folder) return ra.folder < rb.folder;
    return a.record < b.record;
  });
  for (std::size_t k = 0; k < keys.size(); ++k) order[k] = keys[k].record;
  keys = {};
  applyOrder(bookmarks_, order);
  bookmarksChanged();
}

}  // namespace linkfold
