#pragma once
// The command-line tool's UI port: messages go to standard error with their icon; questions
// are answered No (Yes with --yes) and the answer is printed after them; the profile dialog
// selects the profile named on the command line, or its first entry; a file dialog is
// answered with the file named on the command line; other dialogs are cancelled, the status
// window shows nothing, and nothing is opened on the desktop.

#include <optional>
#include <ostream>
#include <string>

#include "platform/HeadlessUi.h"

namespace linkfold::cli {

class ConsoleUi : public HeadlessUi {
 public:
  explicit ConsoleUi(std::ostream& err, bool yes = false,
                     std::optional<std::string> profile = std::nullopt)
      : err_(err), yes_(yes), profile_(std::move(profile)) {}

  // The file every later file dialog chooses; none: cancelled.
  void setChosenFile(std::optional<std::string> path) { chosenFile_ = std::move(path); }
  // True when the profile dialog did not list the profile named on the command line.
  bool profileMissing() const { return profileMissing_; }

  Answer showMessage(const Message& message) override;
  bool runDialog(DialogModel& dialog) override;
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override {
    return chosenFile_;
  }
  std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override {
    return chosenFile_;
  }
  // A status window that shows nothing: the work that needs one goes on as in the window.
  std::unique_ptr<StatusWindow> createStatusWindow() override;

 private:
  std::ostream& err_;
  bool yes_;
  std::optional<std::string> profile_;
  std::optional<std::string> chosenFile_;
  bool profileMissing_ = false;
};

}  // namespace linkfold::cli
