#include "ConsoleUi.h"

namespace linkfold::cli {

namespace {

const char* iconTag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return "[information] ";
    case MessageIcon::Question: return "[question] ";
    case MessageIcon::Exclamation: return "[exclamation] ";
    case MessageIcon::Error: return "[error] ";
    case MessageIcon::None: break;
  }
  return "";
}

}  // namespace

Answer ConsoleUi::showMessage(const Message& message) {
  err_ << iconTag(message.icon) << message.text << '\n';
  return safeAnswer(message);
}

}  // namespace linkfold::cli
