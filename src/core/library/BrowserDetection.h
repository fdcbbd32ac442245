#pragma once
// What browser detection found on this machine; the library keeps it for the whole run.

#include <cstddef>
#include <string>

namespace linkfold {

struct BrowserDetection {
  bool msiePresent = false;
  bool netscape3Present = false;
  bool netscape4Present = false;
  std::string favoritesPath;  // ends in a path separator; empty when MSIE was not found
  std::string netscape3File;
  std::string netscape4File;
  std::string netscape4ProfileName;

  // Counts against the 200-character path limit of folders.
  std::size_t favoritesPathLength() const;
  bool anyBrowser() const { return msiePresent || netscape3Present || netscape4Present; }
};

}  // namespace linkfold
