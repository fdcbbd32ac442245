#pragma once
// A Chromium-family data folder's "Local State" JSON: its profiles and the one used last.

#include <string>
#include <string_view>
#include <vector>

namespace linkfold {

struct ChromiumProfileEntry {
  std::string folder;  // "Default", "Profile 1"
  std::string name;    // the name the browser shows; the folder when it has none
};

struct ChromiumLocalState {
  bool listed = false;  // profile.info_cache was read; otherwise the folders are scanned
  std::vector<ChromiumProfileEntry> profiles;
  std::string lastUsed;  // profile.last_used; empty when absent
};

// Reads profile.info_cache and profile.last_used. Malformed JSON, a wrong shape or a folder
// name that is not a plain folder name leaves those entries out (`listed` stays false when
// nothing usable was there).
ChromiumLocalState parseLocalState(std::string_view json);

// Whether `name` names a folder directly inside the data folder (no separator, not . or ..).
bool isPlainFolderName(std::string_view name);

}  // namespace linkfold
