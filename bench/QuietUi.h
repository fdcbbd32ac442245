#pragma once
// A UI port for the benchmarks: nobody is there, so messages are answered No and nothing is
// shown.

#include "platform/UiPort.h"

namespace linkfold::bench {

class QuietUi : public UiPort {
 public:
  Answer showMessage(const Message& message) override {
    ++messages;
    return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
  }
  bool runDialog(DialogModel&) override { return false; }
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
  std::unique_ptr<StatusWindow> createStatusWindow() override { return nullptr; }
  void setWaitCursor(bool) override {}
  bool openWithDesktop(const std::string&) override { return false; }
  void showHelp(std::uint32_t) override {}

  int messages = 0;  // a benchmark whose work shows a message has gone wrong
};

}  // namespace linkfold::bench
