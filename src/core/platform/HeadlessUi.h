#pragma once
// A UI port with nobody in front of it (the command-line tool, benchmarks, fuzzing): messages
// get the answer that changes nothing (OK, No, Cancel), dialogs are cancelled, no window opens.

#include "platform/UiPort.h"

namespace linkfold {

// A status window that shows nothing, for headless work that must have one (an export).
class SilentStatusWindow : public StatusWindow {
 public:
  void setText(const std::string&) override {}
  void setProgress(std::uint64_t, std::uint64_t) override {}
  void center() override {}
  void hide() override {}
};

class HeadlessUi : public UiPort {
 public:
  Answer showMessage(const Message& message) override { return safeAnswer(message); }
  bool runDialog(DialogModel&) override { return false; }
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
  std::unique_ptr<StatusWindow> createStatusWindow() override { return nullptr; }
  void setWaitCursor(bool) override {}
  bool openWithDesktop(const std::string&) override { return false; }
  bool openUrl(const std::string&) override { return false; }
  void showHelp(std::uint32_t) override {}

 protected:
  static Answer safeAnswer(const Message& message) {
    switch (message.buttons) {
      case MessageButtons::Ok: return Answer::Ok;
      case MessageButtons::YesNo: return Answer::No;
      case MessageButtons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
  }
};

}  // namespace linkfold
