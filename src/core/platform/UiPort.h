#pragma once
// The one port through which the core talks to the person: message boxes, modal dialogs,
// file dialogs, the status window, the wait cursor, the shell and help. The Qt layer implements
// it with widgets; tests implement it with a scripted fake that records every message.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace linkfold {

inline constexpr const char* kAppTitle = "Linkfold";

enum class MessageIcon { None, Information, Question, Exclamation, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
  std::string text;
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
  std::string caption = kAppTitle;
  bool helpButton = false;  // an additional Help button
  std::uint32_t helpTopic = 0;  // what the Help button asks for
};

class UiPort;

// A modal dialog is a plain struct of fields (derived from this class). The port shows it with
// those fields; when the user presses OK it writes the fields back and calls acceptOk, which
// may show a message and return false to keep the dialog open with the fields as they then are.
class DialogModel {
 public:
  virtual ~DialogModel() = default;
  virtual bool acceptOk(UiPort& ui) {
    (void)ui;
    return true;
  }
};

// The modeless status window: created hidden, shown by setText.
class StatusWindow {
 public:
  virtual ~StatusWindow() = default;
  virtual void setText(const std::string& text) = 0;
  // How far the work has come, for work of a known size (bytes of a file, entries of a
  // folder). A total of 0 means the size is not known: no progress bar.
  virtual void setProgress(std::uint64_t done, std::uint64_t total) = 0;
  virtual void center() = 0;
  virtual void hide() = 0;
};

struct FileFilter {
  std::string description;  // "Bookmark Libraries (*.bml)"
  std::string patterns;     // "*.bml"
};

// The kinds of files whose dialogs each remember the folder last used.
enum class FileKind { Other, Library, Html, Text };

struct FileDialogRequest {
  std::string title;
  std::vector<FileFilter> filters;
  std::string defaultExtension;  // ".bml"
  std::string proposedName;
  FileKind kind = FileKind::Other;
  std::string startFolder;  // where the dialog opens; empty: where the desktop chooses
};

class UiPort {
 public:
  virtual ~UiPort() = default;

  virtual Answer showMessage(const Message& message) = 0;
  // Returns true when the dialog ended with OK (after its acceptOk agreed).
  virtual bool runDialog(DialogModel& dialog) = 0;
  virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) = 0;
  virtual std::unique_ptr<StatusWindow> createStatusWindow() = 0;
  virtual void setWaitCursor(bool on) = 0;
  // Opens a file with the desktop's default program; false when that failed.
  virtual bool openWithDesktop(const std::string& path) = 0;
  // Opens a URL with the desktop's handler for it (the web browser); false when that failed.
  virtual bool openUrl(const std::string& url) = 0;
  virtual void showHelp(std::uint32_t topic) = 0;

  // Shorthands for the common message forms.
  void inform(const std::string& text) { showMessage({text, MessageIcon::Information}); }
  bool askYesNo(const std::string& text) {
    return showMessage({text, MessageIcon::Question, MessageButtons::YesNo}) == Answer::Yes;
  }
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  explicit WaitCursor(UiPort& ui) : ui_(ui) { ui_.setWaitCursor(true); }
  ~WaitCursor() { ui_.setWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UiPort& ui_;
};

}  // namespace linkfold
