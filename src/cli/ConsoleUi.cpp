#include "ConsoleUi.h"

#include <algorithm>

#include "browsers/detection/CProfileDlg.h"

namespace linkfold::cli {

namespace {

const char* iconTag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return "[information] ";
    case MessageIcon::Question:
      return "[question] ";
    case MessageIcon::Exclamation:
      return "[exclamation] ";
    case MessageIcon::Error:
      return "[error] ";
    case MessageIcon::None:
      break;
  }
  return "";
}

}  // namespace

std::unique_ptr<StatusWindow> ConsoleUi::createStatusWindow() {
  return std::make_unique<SilentStatusWindow>();
}

Answer ConsoleUi::showMessage(const Message& message) {
  err_ << iconTag(message.icon) << message.text << '\n';
  if (message.buttons == MessageButtons::Ok) return Answer::Ok;
  const Answer answer = yes_ ? Answer::Yes : Answer::No;
  err_ << (yes_ ? "[answer] Yes\n" : "[answer] No\n");
  return answer;
}

bool ConsoleUi::runDialog(DialogModel& dialog) {
  auto* profiles = dynamic_cast<CProfileDlg*>(&dialog);
  if (!profiles) return HeadlessUi::runDialog(dialog);
  err_ << "[dialog] " << CProfileDlg::kTitle << '\n';
  if (profile_) {
    const auto& list = profiles->profiles;
    const auto found = std::find(list.begin(), list.end(), *profile_);
    profileMissing_ = found == list.end();
    if (!profileMissing_) profiles->selected = static_cast<int>(found - list.begin());
  }
  if (profiles->selected < 0 && !profiles->profiles.empty()) profiles->selected = 0;
  profiles->disableNetscape4 = false;
  if (profiles->selected >= 0)
    err_ << "[answer] " << profiles->profiles[static_cast<std::size_t>(profiles->selected)] << '\n';
  return profiles->acceptOk(*this);
}

}  // namespace linkfold::cli
