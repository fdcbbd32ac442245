#pragma once
// What detection reads from the registry, with the bounds of the buffers it reads into: a value
// must fit 260 bytes (a text with its terminating null) and a sub-key name 260 characters
// (with its terminating null); a longer value counts as absent, a longer name ends the
// enumeration.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browsers/detection/EnvironmentExpansion.h"
#include "browsers/detection/Registry.h"

namespace linkfold {

inline constexpr std::size_t kValueBytes = 260;
inline constexpr std::size_t kSubKeyNameChars = 260;

inline constexpr std::string_view kUserShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr std::string_view kNetscape3BookmarkListKey =
    "Software\\Netscape\\Netscape Navigator\\Bookmark List";
inline constexpr std::string_view kNetscape4UsersKey =
    "SOFTWARE\\Netscape\\Netscape Navigator\\Users";

// The value, when it fits the value buffer.
std::optional<RegistryValue> readBoundedValue(const Registry& registry, RegistryHive hive,
                                              std::string_view path, std::string_view name);

// A path value: REG_EXPAND_SZ is expanded (an expansion that does not fit gives an empty
// path); any other type is taken as text, up to its first null.
std::optional<std::string> readPathValue(const Registry& registry, RegistryHive hive,
                                         std::string_view path, std::string_view name,
                                         const VariableLookup& variable);

// A Netscape 4.x profile's directory, the "DirRoot" of its key under the users key: only
// REG_SZ (as it is) and REG_EXPAND_SZ (expanded; an expansion that yields nothing fails) count.
std::optional<std::string> readProfileDirectory(const Registry& registry,
                                                const std::string& profile,
                                                const VariableLookup& variable);

// The sub-key names of a key in enumeration order, up to the first name
// that does not fit the name buffer; nothing when the key cannot be opened.
std::optional<std::vector<std::string>> enumerateSubKeys(const Registry& registry,
                                                         RegistryHive hive, std::string_view path);

}  // namespace linkfold
