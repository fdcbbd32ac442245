#include "platform/FieldChecks.h"

#include <string>

#include "platform/Text.h"
#include "platform/UiPort.h"

namespace linkfold {

bool checkMaxChars(UiPort& ui, std::string_view text, std::size_t maxChars) {
  if (utf8CharCount(text) <= maxChars) return true;
  ui.showMessage({"Please enter no more than " + std::to_string(maxChars) + " characters.",
                  MessageIcon::Exclamation});
  return false;
}

}  // namespace linkfold
