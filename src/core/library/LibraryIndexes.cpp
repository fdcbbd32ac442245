#include "library/LibraryIndexes.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "platform/Text.h"

namespace linkfold {

std::size_t NoCaseHash::operator()(std::string_view text) const {
  return static_cast<std::size_t>(fnv1aNoCase(text));
}

bool NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
  return equalsNoCase(a, b);
}

void FolderIndex::rebuild(const std::vector<FolderEntry>& folders) {
  byPath_.clear();
  byPath_.reserve(folders.size());
  for (std::uint32_t i = 0; i < folders.size(); ++i) add(folders[i].path, i);
}

void FolderIndex::add(std::string_view path, std::uint32_t index) {
  byPath_.emplace(std::string(path), index);
}

void FolderIndex::remove(std::string_view path, std::uint32_t index) {
  const auto it = byPath_.find(path);
  if (it != byPath_.end() && it->second == index) byPath_.erase(it);
}

std::optional<std::uint32_t> FolderIndex::find(std::string_view path) const {
  const auto it = byPath_.find(path);
  if (it == byPath_.end()) return std::nullopt;
  return it->second;
}

BookmarksByFolder::BookmarksByFolder(const std::vector<BookmarkRecord>& table,
                                     std::uint32_t folderCount)
    : start_(std::size_t{folderCount} + 1, 0) {
  for (const auto& record : table)
    if (record.folder < folderCount) ++start_[record.folder + 1];
  for (std::size_t f = 1; f < start_.size(); ++f) start_[f] += start_[f - 1];
  records_.resize(start_.back());
  std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
  for (std::uint32_t i = 0; i < table.size(); ++i)
    if (table[i].folder < folderCount) records_[next[table[i].folder]++] = i;
}

namespace {

// A-Z as a-z in each of the word's eight bytes; bytes from 0x80 up are left alone.
constexpr std::uint64_t lowerAsciiWord(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  const std::uint64_t low7 = word & ~kHigh;  // no carry can cross a byte below
  const std::uint64_t fromA = low7 + (0x80 - 'A') * kOnes;
  const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kOnes;
  return word | (((fromA & ~pastZ & ~word) & kHigh) >> 2);  // 0x80 >> 2 is 'a' - 'A'
}

// Mixes a word in: the multiply spreads its low bits upwards, the rotation brings them back.
constexpr std::uint64_t mixWord(std::uint64_t hash, std::uint64_t word) {
  return std::rotl((hash ^ word) * 0x9E3779B97F4A7C15ull, 31);
}

// Feeds the text eight bytes at a time (the last word padded with zeros), then its length, so
// that "ab" + "c" and "a" + "bc" hash apart.
template <bool kNoCase>
std::uint64_t mixText(std::uint64_t hash, std::string_view text) {
  const auto word = [text](std::size_t at, std::size_t bytes) {
    std::uint64_t w = 0;
    std::memcpy(&w, text.data() + at, bytes);
    return kNoCase ? lowerAsciiWord(w) : w;
  };
  std::size_t at = 0;
  // Two words a step: the second one's multiply need not wait for the first.
  for (; at + 16 <= text.size(); at += 16)
    hash = mixWord(hash, word(at, 8)) ^ (word(at + 8, 8) * 0xC2B2AE3D27D4EB4Full);
  for (; at < text.size(); at += 8)
    hash = mixWord(hash, word(at, std::min<std::size_t>(8, text.size() - at)));
  return mixWord(hash, text.size());
}

// The key leaves out every trailing "/" of the URL, and the case of the name.
std::uint32_t keyOf(std::uint32_t folder, std::string_view name, std::string_view url) {
  while (!url.empty() && url.back() == '/') url.remove_suffix(1);
  std::uint64_t h = mixText<false>(mixText<true>(kFnvOffset ^ folder, name), url);
  // Spread every bit over the low bits that pick the slot.
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  h ^= h >> 33;
  return static_cast<std::uint32_t>(h);
}

bool urlsMatch(std::string_view stored, std::string_view wanted) {
  if (stored == wanted) return true;
  const auto& longer = stored.size() > wanted.size() ? stored : wanted;
  const auto& shorter = stored.size() > wanted.size() ? wanted : stored;
  return longer.size() == shorter.size() + 1 && longer.back() == '/' &&
         longer.substr(0, shorter.size()) == shorter;
}

}  // namespace

void BookmarkIndex::grow(std::size_t wanted) {
  std::size_t size = slots_.empty() ? 64 : slots_.size();
  while (size < 2 * wanted) size *= 2;
  if (size == slots_.size()) return;
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(size));
  for (const Slot& s : old) {
    if (s.index == kEmpty) continue;
    std::size_t i = s.tag & (slots_.size() - 1);
    while (slots_[i].index != kEmpty) i = (i + 1) & (slots_.size() - 1);
    slots_[i] = s;
  }
}

void BookmarkIndex::insert(std::uint32_t key, std::uint32_t index) {
  grow(used_ + 1);
  std::size_t i = key & (slots_.size() - 1);
  while (slots_[i].index != kEmpty) i = (i + 1) & (slots_.size() - 1);
  slots_[i] = {key, index};
  ++used_;
}

void BookmarkIndex::rebuild(const std::vector<BookmarkRecord>& table) {
  std::fill(slots_.begin(), slots_.end(), Slot{});
  used_ = 0;
  grow(table.size());
  for (std::uint32_t i = 0; i < table.size(); ++i)
    insert(keyOf(table[i].folder, table[i].name, table[i].url), i);
  valid_ = true;
}

void BookmarkIndex::added(std::uint32_t index, std::uint32_t key) {
  if (valid_) insert(key, index);
}

std::uint32_t BookmarkIndex::prefetch(const BookmarkRecord& record) const {
  const std::uint32_t key = keyOf(record.folder, record.name, record.url);
  if (valid_ && !slots_.empty()) __builtin_prefetch(&slots_[key & (slots_.size() - 1)]);
  return key;
}

BookmarkIndex::Lookup BookmarkIndex::find(const std::vector<BookmarkRecord>& table,
                                          std::uint32_t folder, std::string_view name,
                                          std::string_view url, std::optional<std::uint32_t> key) {
  if (!valid_) rebuild(table);
  // URLs that the merge rule matches differ by at most one trailing "/", so they share the key.
  const std::uint32_t tag = key ? *key : keyOf(folder, name, url);
  std::optional<std::uint32_t> best;
  if (slots_.empty()) return {best, tag};
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = tag & mask; slots_[i].index != kEmpty; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.tag != tag || (best && *best <= slot.index)) continue;
    const BookmarkRecord& r = table[slot.index];
    if (r.folder == folder && equalsNoCase(r.name, name) && urlsMatch(r.url, url))
      best = slot.index;
  }
  return {best, tag};
}

}  // namespace linkfold
