#include "QtText.h"

#include "platform/DisplayText.h"

namespace linkfold::gui {

QString toDisplay(std::string_view bytes) {
  return QString::fromStdString(displayUtf8(bytes));
}

std::string fromDisplay(const QString& shown, std::string_view original) {
  if (shown == toDisplay(original)) return std::string(original);
  return shown.toStdString();
}

}  // namespace linkfold::gui
