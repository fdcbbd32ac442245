#pragma once
// The Options menu's two dialogs, "Set Scroll Rate" and "Select Replacement Character", and the
// commands that run them. The three on/off options live in view/ViewOptions.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/UiPort.h"

namespace linkfold {

class CLFDoc;
class SettingsStore;

// Template 140. The rate shown is 0 = slowest .. 100 = fastest; the edit holds it as text.
struct ScrollRateDialog : DialogModel {
  static constexpr int kMinRate = 0;
  static constexpr int kMaxRate = 100;
  static constexpr std::uint32_t kHelpTopic = 0x20000 + 140;

  explicit ScrollRateDialog(int shownRate) : text(std::to_string(shownRate)), rate(shownRate) {}

  // Takes the edit's text as the rate, or shows why it cannot and keeps the dialog open.
  bool acceptOk(UiPort& ui) override;
  void help(UiPort& ui) const { ui.showHelp(kHelpTopic); }

  std::string text;  // what the edit shows and what was typed
  int rate;          // the rate accepted by the last OK
};

// Template 143. The list shows kEntries; the first character of each is the character it
// stands for.
struct ReplaceCharDialog : DialogModel {
  static constexpr std::array<std::string_view, 5> kEntries{
      "$ (dollar sign)", "- (hyphen)", "_ (underscore)", "~ (tilde)", " (space)"};

  // Selects the entry that begins with the current character, or the first entry when none
  // does (a hand-edited setting), so that OK always has an entry to take.
  explicit ReplaceCharDialog(char current);

  // Takes the first character of the selected entry.
  bool acceptOk(UiPort& ui) override;

  char character;
  std::size_t selection = 0;  // index into kEntries
};

// The list's prefix search: the first entry that begins with `prefix`, ignoring the case of
// ASCII letters, searching from the entry after `startAfter` to the end and then from the top
// round to `startAfter` itself.
std::optional<std::size_t> findEntryStartingWith(std::span<const std::string_view> entries,
                                                 std::string_view prefix, std::size_t startAfter);

// Scrolling Speed: shows 100 minus the scroll delay; OK stores 100 minus the typed rate as the
// delay and writes "ScrollRate" at once. Cancel changes nothing.
void runScrollingSpeed(UiPort& ui, SettingsStore& settings, int& scrollDelay);

// Replacement Character: a new choice goes to the document and to "ReplaceChar", followed by a
// note that it applies to names adjusted from now on. The same character, or Cancel, does
// nothing.
void runReplacementCharacter(CLFDoc& doc);

}  // namespace linkfold
