#pragma once
// The Netscape 4.x profile choice (template 141): a sorted list of the usable profiles, OK, and
// a box that switches Netscape 4.x off for this run. There is no Cancel: OK is the only way out.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/BrowserDetection.h"
#include "platform/UiPort.h"

namespace linkfold {

struct CProfileDlg : DialogModel {
  static constexpr std::uint32_t kHelpTopic = 0x20000 + 141;
  static constexpr std::string_view kTitle = "Select Netscape Communicator User Profile";
  static constexpr std::array<std::string_view, 3> kIntroLines{
      "Linkfold has detected multiple Netscape 4.x user profiles.",
      "You can only work with one user profile at a time, so please",
      "select a user name from the list below:"};
  static constexpr std::string_view kSwitchOffText =
      "I don't want to access any of these user profiles. Please disable Netscape 4.x support "
      "for this session";
  static constexpr std::string_view kHelpButtonText = "&Help";
  static constexpr std::string_view kOkButtonText = "OK";

  std::vector<std::string> profiles;  // the list, sorted
  int selected = -1;                  // index into profiles; -1: none
  bool disableNetscape4 = false;      // the switch-off check box

  // Where OK puts the choice, and the profile directory of a listed name (nothing when it
  // cannot be found any more). Without a target OK only closes the dialog.
  BrowserDetection* results = nullptr;
  std::function<std::optional<std::string>(const std::string&)> profileDirectory;

  // Sets the Netscape 4.x fields of `results` from the check box and the selected entry.
  bool acceptOk(UiPort& ui) override;
  void help(UiPort& ui) const { ui.showHelp(kHelpTopic); }
};

// A profile's bookmark file: its directory, a "/" when the directory does not end in one, and
// "BOOKMARK.HTM".
std::string profileBookmarkFile(const std::string& directory);

}  // namespace linkfold
