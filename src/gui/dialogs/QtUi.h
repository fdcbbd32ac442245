#pragma once
// The UI port over Qt Widgets: message boxes, the modal dialogs of the core's dialog models,
// file dialogs, the status window, the wait cursor, the desktop's file launcher and help.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "platform/UiPort.h"

namespace linkfold::gui {

class QtUi : public UiPort {
 public:
  using MessageDisplay = std::function<Answer(const Message&)>;
  using HelpHandler = std::function<void(std::uint32_t topic)>;

  explicit QtUi(QWidget* parent = nullptr);

  // The owner of every modal window and of the status window (normally the main window).
  void setParentWidget(QWidget* parent) { parent_ = parent; }
  QWidget* parentWidget() const { return parent_; }
  // Who shows a help topic; without one, help requests do nothing.
  void setHelpHandler(HelpHandler handler) { help_ = std::move(handler); }
  // Replaces the message box, so that tests can record messages instead of blocking on them.
  // An empty display brings the message box back.
  void setMessageDisplay(MessageDisplay display) { display_ = std::move(display); }

  Answer showMessage(const Message& message) override;
  bool runDialog(DialogModel& dialog) override;
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
  std::unique_ptr<StatusWindow> createStatusWindow() override;
  void setWaitCursor(bool on) override;
  bool openWithDesktop(const std::string& path) override;
  bool openUrl(const std::string& url) override;
  void showHelp(std::uint32_t topic) override;

 private:
  Answer showMessageBox(const Message& message);

  QPointer<QWidget> parent_;
  HelpHandler help_;
  MessageDisplay display_;
  int waitCursorDepth_ = 0;
};

}  // namespace linkfold::gui
