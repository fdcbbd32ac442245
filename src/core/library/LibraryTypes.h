#pragma once
// The rows of the library's two tables.

#include <cstdint>
#include <string>

namespace linkfold {

// A folder's selection state, also the state-image index of its check box in the tree.
enum SelectionState : std::uint32_t {
  kNotSelected = 1,
  kSelected = 2,
  kPartlySelected = 3,
};

inline constexpr const char* kRootPath = "\\";
inline constexpr const char* kRootDisplayName = "Root Folder";

struct FolderEntry {
  std::string path;  // "\" for the root, else components each followed by "\", e.g. News\Daily\ .
  std::uint32_t listed = 0;  // set while the tree is filled
  std::uint32_t parent = 0;
  bool locked = false;
  std::uint32_t selection = kSelected;
};

struct BookmarkRecord {
  std::uint32_t folder = 0;
  std::string name;
  std::string url;
  std::string description;  // empty when the bookmark has none
  std::uint32_t addDate = 0;  // seconds since 1 January 1970 UTC, 0 = unknown
  std::uint32_t modifiedDate = 0;
  std::uint32_t visitDate = 0;
};

}  // namespace linkfold
