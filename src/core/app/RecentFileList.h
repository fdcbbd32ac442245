#pragma once
// The File menu's list of the four libraries used last, newest first. It is kept in the
// settings section "Recent File List" as texts "File1" to "File4", read at start and written
// at exit.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/CommandIds.h"

namespace linkfold {

inline constexpr std::uint32_t kCmdRecentFile1 = 57616;

class RecentFileList {
 public:
  static constexpr std::size_t kSize = 4;
  static constexpr std::size_t kDisplayLength = 30;
  static constexpr std::string_view kSection = "Recent File List";
  // The placeholder item that stands in the menu while the list is empty.
  static constexpr std::string_view kEmptyText = "Recent File";

  // "File1" .. "File4".
  static std::string valueName(std::size_t index);

  // Loads the stored entries in order; empty texts are passed over.
  void load(const std::vector<std::string>& stored);
  const std::vector<std::string>& entries() const { return entries_; }

  // Puts the path first; an equal entry further down is dropped, the fifth falls off.
  void add(const std::string& path);
  void remove(std::size_t index);
  // The entry a menu command opens, if the list holds one for it.
  std::optional<std::string> entryFor(std::uint32_t command) const;

  // "&1 name" for each entry, the name shortened to 30 characters; while the list is empty,
  // the disabled placeholder. A file in `currentDirectory` shows by its name alone.
  std::vector<MenuEntry> menuEntries(std::string_view currentDirectory) const;

  // Keeps the last folder names and the file name that fit in `maxChars`, in the form
  // "/.../folder/file.bml"; a file name too long on its own is shown whole.
  static std::string abbreviate(std::string_view path, std::size_t maxChars);

 private:
  std::vector<std::string> entries_;
};

}  // namespace linkfold
