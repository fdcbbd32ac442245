#include "browsers/detection/CProfileDlg.h"

namespace linkfold {

std::string profileBookmarkFile(const std::string& directory) {
  std::string file = directory;
  if (file.empty() || file.back() != '/') file += '/';
  return file + "BOOKMARK.HTM";
}

bool CProfileDlg::acceptOk(UiPort& ui) {
  (void)ui;
  if (!results) return true;
  results->netscape4Present = false;
  results->netscape4ProfileName.clear();
  results->netscape4File.clear();
  const bool chosen = selected >= 0 && static_cast<std::size_t>(selected) < profiles.size();
  if (disableNetscape4 || !chosen) return true;
  const std::string& name = profiles[static_cast<std::size_t>(selected)];
  const auto directory = profileDirectory ? profileDirectory(name) : std::nullopt;
  if (!directory) return true;
  results->netscape4Present = true;
  results->netscape4ProfileName = name;
  results->netscape4File = profileBookmarkFile(*directory);
  return true;
}

}  // namespace linkfold
