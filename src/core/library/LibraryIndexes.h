#pragma once
// Hash indexes over the two tables, so that add-folder and add-bookmark find the record a
// linear scan of the table would find (the first one in table order) without scanning.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "library/LibraryTypes.h"

namespace linkfold {

// Hashing and equality of texts ignoring ASCII case, for hash containers; both take any text
// type, so that a lookup needs no lower-cased copy.
struct NoCaseHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const;
};
struct NoCaseEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// Folder paths, ignoring ASCII case.
class FolderIndex {
 public:
  void rebuild(const std::vector<FolderEntry>& folders);
  void clear() { byPath_.clear(); }
  // Records `index` for `path` unless an earlier folder already has that path.
  void add(std::string_view path, std::uint32_t index);
  // Drops `path` if it is recorded for `index`; allocates nothing.
  void remove(std::string_view path, std::uint32_t index);
  std::optional<std::uint32_t> find(std::string_view path) const;

 private:
  std::unordered_map<std::string, std::uint32_t, NoCaseHash, NoCaseEqual> byPath_;
};

// The record indexes of every folder's bookmarks, each folder's in table order, gathered in one
// pass over the table. Records whose folder index is out of range belong to no folder.
class BookmarksByFolder {
 public:
  BookmarksByFolder(const std::vector<BookmarkRecord>& table, std::uint32_t folderCount);
  // Folder `folder`'s records; `folder` must be below the folder count.
  std::span<const std::uint32_t> of(std::uint32_t folder) const {
    return std::span(records_).subspan(start_[folder], start_[folder + 1] - start_[folder]);
  }

 private:
  std::vector<std::uint32_t> start_;  // folder f's records are records_[start_[f], start_[f+1])
  std::vector<std::uint32_t> records_;
};

// Bookmarks by (folder, name ignoring ASCII case, URL). Becomes stale when records are removed,
// reordered or edited; it is then rebuilt on the next lookup. An open-addressing table of
// (hash, record index) pairs: flat, so that building and dropping it stay cheap for a million
// records.
class BookmarkIndex {
 public:
  void invalidate() { valid_ = false; }
  // The first record that add-bookmark's merge rule matches: same folder, same name ignoring
  // ASCII case, and the same URL or the same URL with one trailing "/" more or less.
  struct Lookup {
    std::optional<std::uint32_t> match;
    std::uint32_t key;  // hand it to added() when the record is appended
  };
  // `key`, when given, is what prefetch() returned for these texts and folder.
  Lookup find(const std::vector<BookmarkRecord>& table, std::uint32_t folder, std::string_view name,
              std::string_view url, std::optional<std::uint32_t> key = std::nullopt);
  void reserve(std::size_t records) { grow(records); }
  // Asks the processor to fetch the slot a lookup of this record will read first; returns the
  // lookup's key.
  std::uint32_t prefetch(const BookmarkRecord& record) const;
  // Called after table[index] was appended.
  void added(std::uint32_t index, std::uint32_t key);

 private:
  struct Slot {
    std::uint32_t tag = 0;  // the key's hash; its low bits pick the slot
    std::uint32_t index = kEmpty;
  };
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;

  void rebuild(const std::vector<BookmarkRecord>& table);
  void insert(std::uint32_t key, std::uint32_t index);
  void grow(std::size_t wanted);

  bool valid_ = true;
  std::size_t used_ = 0;
  std::vector<Slot> slots_;  // size is a power of two, at most half full
};

}  // namespace linkfold
