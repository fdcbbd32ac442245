#include "library/LibraryIndexes.h"

#include <algorithm>
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

std::uint64_t hashFolderAndName(std::uint32_t folder, std::string_view name) {
  std::uint64_t h = kFnvOffset;
  for (int shift = 0; shift < 32; shift += 8) h = fnv1a(h, (folder >> shift) & 0xFF);
  return fnv1a(fnv1aNoCase(name, h), 0);  // keeps "ab"+"c" apart from "a"+"bc"
}

// The key leaves out every trailing "/" of the URL.
std::uint32_t keyOf(std::uint32_t folder, std::string_view name, std::string_view url) {
  while (!url.empty() && url.back() == '/') url.remove_suffix(1);
  std::uint64_t h = hashFolderAndName(folder, name);
  for (char c : url) h = fnv1a(h, static_cast<unsigned char>(c));
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

void BookmarkIndex::prefetch(const BookmarkRecord& record) const {
  if (!valid_ || slots_.empty()) return;
  __builtin_prefetch(&slots_[keyOf(record.folder, record.name, record.url) & (slots_.size() - 1)]);
}

BookmarkIndex::Lookup BookmarkIndex::find(const std::vector<BookmarkRecord>& table,
                                          std::uint32_t folder, std::string_view name,
                                          std::string_view url) {
  if (!valid_) rebuild(table);
  // URLs that the merge rule matches differ by at most one trailing "/", so they share the key.
  const std::uint32_t tag = keyOf(folder, name, url);
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
