#include "tools/OptionDialogs.h"

#include <charconv>

#include "library/CLFDoc.h"
#include "platform/Settings.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

constexpr const char* kNotAnInteger = "Please enter an integer.";
constexpr std::string_view kIntegerOutOfRange = "Please enter an integer between %1 and %2.";
constexpr const char* kReplaceCharNote =
    "For this change to take effect, you must either close\nand re-start Linkfold, or use the "
    "File | New command\nto discard the current library and re-import your bookmarks.";

enum class IntegerText { Valid, OutOfRange, NotAnInteger };

// The edit's integer exchange: blanks (spaces and tabs) around the number, an optional "+" or
// "-", and decimal digits, nothing else. A number too large for any integer type still is an
// integer, so it gets the range message, not the "not an integer" one.
IntegerText readInteger(std::string_view text, int min, int max, int& value) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return IntegerText::NotAnInteger;
  for (char c : text)
    if (c < '0' || c > '9') return IntegerText::NotAnInteger;
  std::int64_t magnitude = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (parsed.ec != std::errc()) return IntegerText::OutOfRange;  // too many digits
  const std::int64_t number = negative ? -magnitude : magnitude;
  if (number < min || number > max) return IntegerText::OutOfRange;
  value = static_cast<int>(number);
  return IntegerText::Valid;
}

// The string table's "%1" and "%2" placeholders.
std::string withArguments(std::string_view pattern, int first, int second) {
  std::string text(pattern);
  text.replace(text.find("%1"), 2, std::to_string(first));
  text.replace(text.find("%2"), 2, std::to_string(second));
  return text;
}

}  // namespace

// Like every validation message of the dialogs' data exchange, the refusals carry the
// exclamation icon.
bool ScrollRateDialog::acceptOk(UiPort& ui) {
  switch (readInteger(text, kMinRate, kMaxRate, rate)) {
    case IntegerText::Valid:
      return true;
    case IntegerText::NotAnInteger:
      ui.showMessage({kNotAnInteger, MessageIcon::Exclamation});
      return false;
    case IntegerText::OutOfRange:
      break;
  }
  ui.showMessage({withArguments(kIntegerOutOfRange, kMinRate, kMaxRate), MessageIcon::Exclamation});
  return false;
}

std::optional<std::size_t> findEntryStartingWith(std::span<const std::string_view> entries,
                                                 std::string_view prefix, std::size_t startAfter) {
  for (std::size_t step = 1; step <= entries.size(); ++step) {
    const std::size_t i = (startAfter + step) % entries.size();
    if (entries[i].size() >= prefix.size() &&
        equalsNoCase(entries[i].substr(0, prefix.size()), prefix))
      return i;
  }
  return std::nullopt;
}

ReplaceCharDialog::ReplaceCharDialog(char current) : character(current) {
  selection = findEntryStartingWith(kEntries, std::string_view(&current, 1), 0).value_or(0);
}

bool ReplaceCharDialog::acceptOk(UiPort&) {
  if (selection < kEntries.size()) character = kEntries[selection].front();
  return true;
}

void runScrollingSpeed(UiPort& ui, SettingsStore& settings, int& scrollDelay) {
  ScrollRateDialog dialog(ScrollRateDialog::kMaxRate - scrollDelay);
  if (!ui.runDialog(dialog)) return;
  scrollDelay = ScrollRateDialog::kMaxRate - dialog.rate;
  settings.write(setting::kScrollRate, scrollDelay);
}

void runReplacementCharacter(CLFDoc& doc) {
  ReplaceCharDialog dialog(doc.replacementChar());
  if (!doc.ui().runDialog(dialog) || dialog.character == doc.replacementChar()) return;
  doc.setReplacementChar(dialog.character);
  // The code is stored as the signed 8-bit character widened.
  doc.settings().write(setting::kReplaceChar, static_cast<signed char>(dialog.character));
  doc.ui().showMessage({kReplaceCharNote, MessageIcon::None, MessageButtons::Ok, kAppTitle});
}

}  // namespace linkfold
