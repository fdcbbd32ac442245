#pragma once
// The command-line tool's UI port: messages go to standard error, questions are answered No,
// dialogs are cancelled, and nothing is opened on the desktop.

#include <ostream>

#include "platform/UiPort.h"

namespace linkfold::cli {

class ConsoleUi : public UiPort {
 public:
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  Answer showMessage(const Message& message) override;
  bool runDialog(DialogModel&) override { return false; }
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
  std::unique_ptr<StatusWindow> createStatusWindow() override { return nullptr; }
  void setWaitCursor(bool) override {}
  bool openWithDesktop(const std::string&) override { return false; }
  void showHelp(std::uint32_t) override {}

 private:
  std::ostream& err_;
};

}  // namespace linkfold::cli
