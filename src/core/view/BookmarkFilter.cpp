#include "view/BookmarkFilter.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "library/CLFDoc.h"
#include "platform/CaseFold.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

// Appends the field's folded text; plain ASCII, by far the most common, is lowered in place.
void appendFolded(std::string& out, std::string_view field) {
  if (std::any_of(field.begin(), field.end(),
                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
    out += caseFolded(field);
    return;
  }
  for (const char c : field) out += static_cast<char>(asciiLower(static_cast<unsigned char>(c)));
}

}  // namespace

void BookmarkFilter::invalidate() {
  built_ = false;
  folded_ = {};
  starts_ = {};
  lastNeedle_.clear();
  matches_.clear();
}

void BookmarkFilter::build(const CLFDoc& doc) {
  folded_.clear();
  starts_.clear();
  starts_.reserve(doc.bookmarkCount() + 1);
  std::size_t bytes = 0;
  for (const BookmarkRecord& record : doc.bookmarks())
    bytes += record.name.size() + record.url.size() + 2;
  folded_.reserve(bytes);
  for (const BookmarkRecord& record : doc.bookmarks()) {
    starts_.push_back(static_cast<std::uint32_t>(folded_.size()));
    // A NUL after each field: no needle (which never holds one) matches across two fields.
    appendFolded(folded_, record.name);
    folded_ += '\0';
    appendFolded(folded_, record.url);
    folded_ += '\0';
  }
  starts_.push_back(static_cast<std::uint32_t>(folded_.size()));
  built_ = true;
  lastNeedle_.clear();
  matches_.clear();
}

void BookmarkFilter::prepare(const CLFDoc& doc) {
  if (!built_ || starts_.size() != doc.bookmarkCount() + std::size_t{1}) build(doc);
}

const std::vector<std::uint32_t>& BookmarkFilter::match(const CLFDoc& doc, std::string_view text) {
  prepare(doc);
  std::string needle = caseFolded(text);
  // A NUL cannot be in a name or URL that shows; cut the text there.
  needle.resize(std::strlen(needle.c_str()));
  if (needle.empty()) {
    matches_.resize(doc.bookmarkCount());
    std::iota(matches_.begin(), matches_.end(), 0u);
  } else if (!lastNeedle_.empty() && needle.find(lastNeedle_) != std::string::npos) {
    narrow(needle);  // every match of the longer text is among the matches of the shorter
  } else {
    scanAll(needle);
  }
  lastNeedle_ = needle;
  return matches_;
}

void BookmarkFilter::scanAll(std::string_view needle) {
  matches_.clear();
  const char* const begin = folded_.data();
  const char* const end = begin + folded_.size();
  const char* from = begin;
  while (from < end) {
    const void* hit =
        ::memmem(from, static_cast<std::size_t>(end - from), needle.data(), needle.size());
    if (!hit) break;
    const auto offset = static_cast<std::uint32_t>(static_cast<const char*>(hit) - begin);
    // The record holding the hit; the search goes on after it.
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
    matches_.push_back(static_cast<std::uint32_t>(next - starts_.begin() - 1));
    from = begin + *next;
  }
}

void BookmarkFilter::narrow(std::string_view needle) {
  const std::string_view all(folded_);
  std::erase_if(matches_, [&](std::uint32_t b) {
    return all.substr(starts_[b], starts_[b + 1] - starts_[b]).find(needle) ==
           std::string_view::npos;
  });
}

std::vector<char> BookmarkFilter::foldersShown(const CLFDoc& doc,
                                               const std::vector<std::uint32_t>& matches) {
  std::vector<char> shown(doc.folderCount(), 0);
  if (shown.empty()) return shown;
  shown[0] = 1;
  for (const std::uint32_t b : matches) {
    // Up the parents until a folder already shown; a parent chain never loops past the root.
    for (std::uint32_t f = doc.bookmark(b).folder; f < shown.size() && !shown[f];
         f = doc.folder(f).parent)
      shown[f] = 1;
  }
  return shown;
}

}  // namespace linkfold
