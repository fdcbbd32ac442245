#include "view/EditDialogs.h"

#include <string_view>

#include "platform/Text.h"

namespace linkfold {

namespace {

// The framework's maximum-length message; %1 stands for the limit.
constexpr std::string_view kNameTooLong = "Please enter no more than %1 characters.";
constexpr const char* kUrlBlank = "URL cannot be blank!";

}  // namespace

// The framework's validation messages carry the exclamation icon.
bool CRenameDlg::acceptOk(UiPort& ui) {
  if (utf8CharCount(name) <= kMaxChars) return true;
  std::string text(kNameTooLong);
  text.replace(text.find("%1"), 2, std::to_string(kMaxChars));
  ui.showMessage({text, MessageIcon::Exclamation});
  return false;
}

bool CPropertiesDlg::acceptOk(UiPort& ui) {
  if (!trimWhite(url).empty()) return true;
  ui.inform(kUrlBlank);
  // The field shows the trimmed (empty) copy, then its undo brings back what was deleted.
  url.clear();
  if (urlUndo) {
    url = *urlUndo;
    urlUndo.reset();  // used up; the window tells anew with the next OK
  }
  return false;
}

}  // namespace linkfold
