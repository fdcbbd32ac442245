#pragma once
// One bookmark file of a today's browser profile that the import run can read.

#include <string>
#include <vector>

namespace linkfold {

enum class SourceFormat { FirefoxPlaces, ChromiumBookmarks };

struct BrowserSource {
  // Stable across runs: the browser and the file's path ("~/..." inside the home), which names
  // the data folder, the profile folder and the file.
  std::string id;
  std::string label;  // "Firefox (default-release)", "Brave: Work"
  std::string path;   // the file to read; for an unreadable source, the file that was found
  SourceFormat format = SourceFormat::FirefoxPlaces;
  bool readable = true;       // false: the profile holds only encrypted bookmark files
  bool startsTicked = false;  // a profile the browser starts with
  bool chosen = false;        // read by New and Open
};

using BrowserSources = std::vector<BrowserSource>;

// Whether any source is chosen.
bool anyChosen(const BrowserSources& sources);

}  // namespace linkfold
