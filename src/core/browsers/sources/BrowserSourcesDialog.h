#pragma once
// "Browsers": every source found among today's browsers with a check box and its path. OK
// keeps the ticks in the settings; New and Open read the ticked sources from then on.

#include <string>
#include <string_view>
#include <vector>

#include "browsers/sources/BrowserSource.h"
#include "platform/UiPort.h"

namespace linkfold {

class SettingsStore;

struct BrowserSourcesDialog : DialogModel {
  static constexpr std::string_view kTitle = "Browsers";
  static constexpr std::string_view kIntro =
      "New and Open read the bookmarks of the ticked browser profiles:";
  static constexpr std::string_view kNothingFound =
      "No Firefox or Chromium-family browser profile was found.";
  // Shown with a source that cannot be read.
  static constexpr std::string_view kUnreadableNote =
      "Encrypted by the browser: export its bookmarks as HTML there and use Import HTML.";

  struct Row {
    std::string label;
    std::string path;
    bool readable = true;
    bool checked = false;
  };
  std::vector<Row> rows;  // in the order found

  explicit BrowserSourcesDialog(const BrowserSources& sources);
};

// Shows the dialog over `sources`; OK sets their `chosen` and stores the choice.
void runBrowserSourcesDialog(UiPort& ui, BrowserSources& sources, SettingsStore& settings);

}  // namespace linkfold
