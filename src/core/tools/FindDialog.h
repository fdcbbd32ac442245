#pragma once
// The Find Bookmark dialog and the settings it edits. The view keeps one FindSettings for as
// long as it exists; only the ignore-case flag outlives the program, in "IgnoreCase".

#include <cstddef>
#include <string>

#include "platform/UiPort.h"

namespace linkfold {

class SettingsStore;

enum class FindLookIn { NameAndUrl = 0, NameOnly = 1, UrlOnly = 2 };
enum class FindStartAt { RootFolder = 0, CurrentItem = 1 };

struct FindSettings {
  std::string text;
  FindLookIn lookIn = FindLookIn::NameAndUrl;
  bool ignoreCase = false;
  FindStartAt startAt = FindStartAt::RootFolder;
};

// Template 138: the text edit, the ignore-case box and the two radio groups.
class FindDialog : public DialogModel {
 public:
  static constexpr std::size_t kMaxTextChars = 64;

  // Shows the caller's settings, except that the ignore-case box shows the stored setting.
  FindDialog(const FindSettings& current, SettingsStore& settings);

  // Refuses a text that is too long or empty; otherwise stores the ignore-case flag.
  bool acceptOk(UiPort& ui) override;

  FindSettings fields;

 private:
  SettingsStore& settings_;
};

}  // namespace linkfold
