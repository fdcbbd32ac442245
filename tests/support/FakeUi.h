#pragma once
// A scripted stand-in for the person in front of the program: it records every message with
// its icon and buttons, answers questions from a queue and plays dialogs from scripted steps.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/UiPort.h"

namespace linkfold::test {

class FakeUi : public UiPort {
 public:
  ~FakeUi() override {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) were not used";
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted dialog step(s) were not used";
  }

  // ---- Script ----
  void answer(Answer a) { answers_.push_back(a); }
  // The next dialog of type D: the step edits its fields and returns true for OK, false for
  // Cancel. When OK is refused by the dialog's own checks, the next step plays on.
  template <class D>
  void onDialog(std::function<bool(D&)> step) {
    steps_.push_back([step](DialogModel& model) {
      auto* dialog = dynamic_cast<D*>(&model);
      if (!dialog) {
        ADD_FAILURE() << "a dialog of another type was shown";
        return false;
      }
      return step(*dialog);
    });
  }
  void nextOpenFile(std::optional<std::string> path) { openFiles_.push_back(std::move(path)); }
  void nextSaveFile(std::optional<std::string> path) { saveFiles_.push_back(std::move(path)); }
  bool desktopOpenSucceeds = true;
  bool statusWindowAvailable = true;

  // ---- What happened ----
  std::vector<Message> messages;
  std::vector<std::string> statusEvents;  // "create", "text:...", "center", "hide", "destroy"
  struct Progress {
    std::uint64_t done = 0, total = 0;  // the last report
    int reports = 0;
    int backwards = 0;  // reports past the total, or going back within the same total
  } progress;
  std::vector<std::string> openedWithDesktop;
  std::vector<std::string> openedUrls;  // URLs containing "unopenable" fail to open
  std::vector<std::uint32_t> helpTopics;
  std::vector<FileDialogRequest> fileRequests;
  int dialogsShown = 0;
  int waitCursorDepth = 0;
  int waitCursorShown = 0;

  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
  }
  // The texts given to the status window, in order.
  std::vector<std::string> statusTexts() const {
    std::vector<std::string> texts;
    for (const auto& e : statusEvents)
      if (e.starts_with("text:")) texts.push_back(e.substr(5));
    return texts;
  }

  // ---- UiPort ----
  Answer showMessage(const Message& message) override {
    messages.push_back(message);
    if (message.buttons == MessageButtons::Ok) return Answer::Ok;
    if (answers_.empty()) {
      ADD_FAILURE() << "unscripted question: " << message.text;
      return message.buttons == MessageButtons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  bool runDialog(DialogModel& dialog) override {
    ++dialogsShown;
    while (true) {
      if (steps_.empty()) {
        ADD_FAILURE() << "unscripted dialog";
        return false;
      }
      auto step = std::move(steps_.front());
      steps_.pop_front();
      if (!step(dialog)) return false;
      if (dialog.acceptOk(*this)) return true;
    }
  }
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override {
    return chooseFile(request, openFiles_);
  }
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override {
    return chooseFile(request, saveFiles_);
  }
  std::unique_ptr<StatusWindow> createStatusWindow() override {
    if (!statusWindowAvailable) return nullptr;
    return std::make_unique<RecordedStatusWindow>(*this);
  }
  void setWaitCursor(bool on) override {
    waitCursorDepth += on ? 1 : -1;
    if (on) ++waitCursorShown;
  }
  bool openWithDesktop(const std::string& path) override {
    openedWithDesktop.push_back(path);
    return desktopOpenSucceeds;
  }
  bool openUrl(const std::string& url) override {
    openedUrls.push_back(url);
    return url.find("unopenable") == std::string::npos;
  }
  void showHelp(std::uint32_t topic) override { helpTopics.push_back(topic); }

 private:
  class RecordedStatusWindow : public StatusWindow {
   public:
    explicit RecordedStatusWindow(FakeUi& ui) : ui_(ui) { ui_.statusEvents.push_back("create"); }
    ~RecordedStatusWindow() override { ui_.statusEvents.push_back("destroy"); }
    void setText(const std::string& text) override { ui_.statusEvents.push_back("text:" + text); }
    // Progress is recorded as counts, not events: a reader reports it for every line.
    void setProgress(std::uint64_t done, std::uint64_t total) override {
      Progress& last = ui_.progress;
      if (total != 0 && (done > total || (last.total == total && done < last.done)))
        ++last.backwards;
      last.done = done;
      last.total = total;
      ++last.reports;
    }
    void center() override { ui_.statusEvents.push_back("center"); }
    void hide() override { ui_.statusEvents.push_back("hide"); }

   private:
    FakeUi& ui_;
  };

  std::optional<std::string> chooseFile(const FileDialogRequest& request,
                                        std::deque<std::optional<std::string>>& answers) {
    fileRequests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto path = answers.front();
    answers.pop_front();
    return path;
  }
  std::deque<Answer> answers_;
  std::deque<std::function<bool(DialogModel&)>> steps_;
  std::deque<std::optional<std::string>> openFiles_, saveFiles_;
};

// The icon's name, as case files write it.
inline std::string iconName(MessageIcon icon) {
  const char* const names[] = {"None", "Information", "Question", "Exclamation", "Error"};
  return names[static_cast<int>(icon)];
}

// Asserts one message: its exact text and its icon.
#define EXPECT_MESSAGE(ui, index, expectedText, expectedIcon)                    \
  do {                                                                           \
    ASSERT_GT((ui).messages.size(), static_cast<std::size_t>(index));            \
    EXPECT_EQ((ui).messages[index].text, expectedText);                          \
    EXPECT_EQ((ui).messages[index].icon, ::linkfold::MessageIcon::expectedIcon); \
  } while (0)

}  // namespace linkfold::test
