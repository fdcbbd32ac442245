#pragma once
// What the Favorites reader and writer share about the Favorites folder on disk: listing a
// directory without following symbolic links, recognising shortcut files, and turning library
// names into names the file system takes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace linkfold {

// Symbolic links, pipes and devices are neither directories nor files here: they are foreign
// and never followed, read or deleted.
enum class EntryKind { Directory, File, Other };

struct DirectoryEntry {
  std::string name;
  EntryKind kind = EntryKind::Other;
};

// The entries of the directory in the order the file system returns them, without "." and
// "..". None when the directory cannot be listed.
std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& directory);

// True when the last four characters are ".url", ignoring case.
bool hasShortcutExtension(std::string_view fileName);

// True when the path names a directory itself, not a symbolic link to one.
bool isRealDirectory(const std::string& path);

// A library name as one path component: "/", "\" and NUL become `replacement`, and a name of
// periods only has each period replaced, so that it can be neither "." nor ".." nor a nested path.
std::string fileSystemName(std::string_view name, char replacement);

// A path without its final separator, as directories are shown and created.
std::string_view withoutTrailingSeparator(std::string_view directory);

}  // namespace linkfold
