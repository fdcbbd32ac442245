#include "view/EditDialogs.h"

#include <string_view>

#include "platform/FieldChecks.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

constexpr const char* kUrlBlank = "URL cannot be blank!";

}  // namespace

bool CRenameDlg::acceptOk(UiPort& ui) {
  return checkMaxChars(ui, name, kMaxChars);
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
