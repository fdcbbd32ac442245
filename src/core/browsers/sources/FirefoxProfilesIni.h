#pragma once
// Firefox's profiles.ini: the profiles of one profile root and which of them Firefox starts with.

#include <string>
#include <string_view>
#include <vector>

namespace linkfold {

struct FirefoxProfile {
  std::string name;    // Name=, else the folder's last component
  std::string folder;  // absolute
  bool startsWith = false;
};

// `root` is the folder holding profiles.ini. The profiles Firefox starts with are the ones named
// by an [Install...] section's Default= (one for each installation), else the one marked
// Default=1 (which Firefox leaves stale once installs have their own), else the only profile.
std::vector<FirefoxProfile> parseProfilesIni(std::string_view text, const std::string& root);

}  // namespace linkfold
