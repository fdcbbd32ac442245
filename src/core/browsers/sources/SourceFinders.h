#pragma once
// The finders behind findBrowserSources, one per browser family.

#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSource.h"

namespace linkfold {

// Every Firefox profile with a places.sqlite, in each profile root that exists.
void findFirefoxSources(const BrowserHome& home, BrowserSources& sources);
// Every Chromium-family profile with a bookmark file, in each data folder that exists.
void findChromiumSources(const BrowserHome& home, BrowserSources& sources);

// Files larger than this are not taken for a profiles.ini or a Local State.
inline constexpr std::size_t kMaxProfileListBytes = 16 * 1024 * 1024;
// The file's bytes when it is a regular file of at most kMaxProfileListBytes.
std::optional<std::string> readProfileList(const std::string& path);
// A browser's file counts only as a regular file: a FIFO or a device in its place would block.
bool isRegularFile(const std::string& path);

}  // namespace linkfold
