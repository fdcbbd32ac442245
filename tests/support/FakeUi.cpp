#include "support/FakeUi.h"

namespace linkfold::test {

namespace {

class FakeStatusWindow : public StatusWindow {
 public:
  FakeStatusWindow(std::vector<std::string>& events, FakeUi::Progress& progress)
      : events_(events), progress_(progress) {
    events_.push_back("create");
  }
  ~FakeStatusWindow() override { events_.push_back("destroy"); }
  void setText(const std::string& text) override { events_.push_back("text:" + text); }
  // Progress is recorded as counts, not events: a reader reports it for every line.
  void setProgress(std::uint64_t done, std::uint64_t total) override {
    if (total != 0 && (done > total || (progress_.total == total && done < progress_.done)))
      ++progress_.backwards;
    progress_.done = done;
    progress_.total = total;
    ++progress_.reports;
  }
  void center() override { events_.push_back("center"); }
  void hide() override { events_.push_back("hide"); }

 private:
  std::vector<std::string>& events_;
  FakeUi::Progress& progress_;
};

}  // namespace

FakeUi::~FakeUi() {
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) were not used";
  EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted dialog step(s) were not used";
}

std::vector<std::string> FakeUi::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : messages) texts.push_back(m.text);
  return texts;
}

std::vector<std::string> FakeUi::statusTexts() const {
  std::vector<std::string> texts;
  for (const auto& e : statusEvents)
    if (e.rfind("text:", 0) == 0) texts.push_back(e.substr(5));
  return texts;
}

Answer FakeUi::showMessage(const Message& message) {
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

bool FakeUi::runDialog(DialogModel& dialog) {
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

std::optional<std::string> FakeUi::chooseFile(const FileDialogRequest& request,
                                              std::deque<std::optional<std::string>>& answers) {
  fileRequests.push_back(request);
  if (answers.empty()) return std::nullopt;
  auto path = answers.front();
  answers.pop_front();
  return path;
}

std::unique_ptr<StatusWindow> FakeUi::createStatusWindow() {
  if (!statusWindowAvailable) return nullptr;
  return std::make_unique<FakeStatusWindow>(statusEvents, progress);
}

void FakeUi::setWaitCursor(bool on) {
  waitCursorDepth += on ? 1 : -1;
  if (on) ++waitCursorShown;
}

bool FakeUi::openWithDesktop(const std::string& path) {
  openedWithDesktop.push_back(path);
  return desktopOpenSucceeds;
}

}  // namespace linkfold::test
