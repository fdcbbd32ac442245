#include "tools/FindDialog.h"

#include "platform/FieldChecks.h"
#include "platform/Settings.h"

namespace linkfold {

namespace {

constexpr const char* kTextEmpty = "Search string must not be empty!";

}  // namespace

FindDialog::FindDialog(const FindSettings& current, SettingsStore& settings)
    : fields(current), settings_(settings) {
  fields.ignoreCase = settings_.read(setting::kIgnoreCase) != 0;
}

bool FindDialog::acceptOk(UiPort& ui) {
  // The length check belongs to reading the edit, so it comes before the empty check, and it
  // carries the exclamation icon of every validation message of the dialog framework.
  if (!checkMaxChars(ui, fields.text, kMaxTextChars)) return false;
  // Not trimmed: a text of spaces is something to search for.
  if (fields.text.empty()) {
    ui.inform(kTextEmpty);
    return false;
  }
  settings_.write(setting::kIgnoreCase, fields.ignoreCase ? 1 : 0);
  return true;
}

}  // namespace linkfold
