#include "view/BookmarkFilter.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "library/CLFDoc.h"
#include "platform/CaseFold.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

// A search asks its token once per this many bytes of texts or this many earlier matches: a
// superseded search stops within a fraction of a millisecond.
constexpr std::size_t kBytesBetweenChecks = std::size_t{1} << 20;
constexpr std::size_t kMatchesBetweenChecks = 16384;

// Appends the field's folded text; plain ASCII, by far the most common, is lowered in place.
void appendFolded(std::string& out, std::string_view field) {
  if (std::any_of(field.begin(), field.end(),
                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
    out += caseFolded(field);
    return;
  }
  for (const char c : field) out += static_cast<char>(asciiLower(static_cast<unsigned char>(c)));
}

// Every bookmark holding the needle, the texts searched in pieces that end between bookmarks.
bool scanAll(const FoldedBookmarks& folded, std::string_view needle, const FilterRuns::Token& token,
             std::vector<std::uint32_t>& matches) {
  const std::vector<std::uint32_t>& starts = folded.starts();
  const char* const begin = folded.texts().data();
  std::uint32_t first = 0;  // the first bookmark of the piece
  while (first < folded.count()) {
    if (token.superseded()) return false;
    const std::uint32_t pieceEnd =
        std::min<std::size_t>(starts[first] + kBytesBetweenChecks, starts.back());
    // The piece ends where the bookmark holding its last byte ends.
    const auto past = static_cast<std::uint32_t>(
        std::lower_bound(starts.begin() + first + 1, starts.end(), pieceEnd) - starts.begin());
    const char* from = begin + starts[first];
    const char* const end = begin + starts[past];
    while (from < end) {
      // A NUL ends each field: no needle (which never holds one) matches across two of them.
      const void* hit =
          ::memmem(from, static_cast<std::size_t>(end - from), needle.data(), needle.size());
      if (!hit) break;
      const auto offset = static_cast<std::uint32_t>(static_cast<const char*>(hit) - begin);
      // The bookmark holding the hit; the search goes on after it.
      const auto next = std::upper_bound(starts.begin() + first, starts.end(), offset);
      matches.push_back(static_cast<std::uint32_t>(next - starts.begin() - 1));
      from = begin + *next;
    }
    first = past;
  }
  return true;
}

bool narrow(const FoldedBookmarks& folded, std::string_view needle, const FilterRuns::Token& token,
            const std::vector<std::uint32_t>& candidates, std::vector<std::uint32_t>& matches) {
  const std::string_view all(folded.texts());
  const std::vector<std::uint32_t>& starts = folded.starts();
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (i % kMatchesBetweenChecks == 0 && token.superseded()) return false;
    const std::uint32_t b = candidates[i];
    if (all.substr(starts[b], starts[b + 1] - starts[b]).find(needle) != std::string_view::npos)
      matches.push_back(b);
  }
  return true;
}

}  // namespace

FoldedBookmarks::FoldedBookmarks(const CLFDoc& doc) : revision_(doc.revision()) {
  starts_.reserve(doc.bookmarkCount() + std::size_t{1});
  std::size_t bytes = 0;
  for (const BookmarkRecord& record : doc.bookmarks())
    bytes += record.name.size() + record.url.size() + 2;
  texts_.reserve(bytes);
  for (const BookmarkRecord& record : doc.bookmarks()) {
    starts_.push_back(static_cast<std::uint32_t>(texts_.size()));
    appendFolded(texts_, record.name);
    texts_ += '\0';
    appendFolded(texts_, record.url);
    texts_ += '\0';
  }
  starts_.push_back(static_cast<std::uint32_t>(texts_.size()));
}

FilterRuns::Token FilterRuns::start() {
  return Token(latest_, latest_->fetch_add(1) + 1);
}

std::optional<FilterMatches> matchBookmarks(const FoldedBookmarks& folded, std::string_view text,
                                            const FilterMatches* previous,
                                            const FilterRuns::Token& token) {
  FilterMatches result;
  result.revision = folded.revision();
  result.needle = caseFolded(text);
  // A NUL cannot be in a name or URL that shows; cut the text there.
  result.needle.resize(std::strlen(result.needle.c_str()));
  bool finished = true;
  if (result.needle.empty()) {
    result.bookmarks.resize(folded.count());
    std::iota(result.bookmarks.begin(), result.bookmarks.end(), 0u);
  } else if (previous && previous->revision == folded.revision() && !previous->needle.empty() &&
             result.needle.find(previous->needle) != std::string::npos) {
    // Every match of the longer text is among the matches of the shorter.
    finished = narrow(folded, result.needle, token, previous->bookmarks, result.bookmarks);
  } else {
    finished = scanAll(folded, result.needle, token, result.bookmarks);
  }
  if (!finished) return std::nullopt;
  return result;
}

std::vector<char> foldersShown(const CLFDoc& doc, const std::vector<std::uint32_t>& matches) {
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

void BookmarkFilter::prepare(const CLFDoc& doc) {
  if (!folded_ || folded_->revision() != doc.revision())
    folded_ = std::make_shared<const FoldedBookmarks>(doc);
}

BookmarkFilter::Job BookmarkFilter::start(const CLFDoc& doc, std::string_view text) {
  prepare(doc);
  return {folded_, std::string(text), current_, runs_.start()};
}

BookmarkFilter::Outcome BookmarkFilter::accept(const CLFDoc& doc, const Job& job,
                                               std::optional<FilterMatches> result) {
  if (!result || job.token.superseded()) return Outcome::Superseded;
  if (result->revision != doc.revision()) return Outcome::Stale;
  current_ = std::make_shared<const FilterMatches>(std::move(*result));
  return Outcome::Taken;
}

void BookmarkFilter::matchNow(const CLFDoc& doc, std::string_view text) {
  prepare(doc);
  current_ = std::make_shared<const FilterMatches>(*matchBookmarks(*folded_, text, nullptr));
}

void BookmarkFilter::stop() {
  supersede();
  current_.reset();
}

}  // namespace linkfold
