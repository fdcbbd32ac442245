#pragma once
// Finding today's browsers: every Firefox and Chromium-family profile under the home folder
// whose bookmarks the import run can read (or would, were they not encrypted).

#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSource.h"

namespace linkfold {

// Firefox profiles first, then the Chromium family in a fixed order of browsers. A file found
// twice (one folder reached through a symbolic link) is listed once. Nothing is `chosen` yet.
BrowserSources findBrowserSources(const BrowserHome& home);

}  // namespace linkfold
