#pragma once
// Starts the window program on a copy of the demo set (examples/demo): its registry file names
// the copy's Favorites, Netscape 3.x file and two Netscape 4.x profiles. Messages are recorded
// and answered from a queue; modal dialogs are recorded by title and closed by a watcher, so
// that no test can hang on one.

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "../../support/MessageRecorder.h"
#include "dialogs/QtUi.h"
#include "frame/CMainFrame.h"
#include "frame/Program.h"

namespace linkfold::gui::test {

// Closes each modal dialog that opens (accepting it when `accept` says so) and records
// its title.
class ModalWatcher : public QObject {
 public:
  ModalWatcher() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      titles << dialog->windowTitle();
      if (inspect) inspect(*dialog);
      accept.empty() || !accept.front() ? dialog->reject() : dialog->accept();
      if (!accept.empty()) accept.pop_front();
    });
    timer_.start(20);
  }
  QStringList titles;
  std::deque<bool> accept;                // per dialog; a dialog past the queue is cancelled
  std::function<void(QDialog&)> inspect;  // runs on each dialog before it is closed

 private:
  QTimer timer_;
};

class ProgramFixture : public linkfold::test::MessageRecorder {
 public:
  ProgramFixture() {
    std::filesystem::copy(LINKFOLD_SOURCE_DIR "/examples/demo", demo_.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    qputenv("LINKFOLD_DEMO", demo_.path().toUtf8());
    qunsetenv("LINKFOLD_REGISTRY");
  }

  // Starts with the demo registry and the extra arguments; the profile dialog is accepted
  // with its first entry.
  bool start(QStringList arguments = {}) {
    std::vector<std::string> args{"--registry", (demo_.path() + "/demo.reg").toStdString()};
    for (const QString& a : arguments) args.push_back(a.toStdString());
    program = std::make_unique<Program>(args);
    program->ui().setMessageDisplay([this](const Message& message) { return record(message); });
    modals.accept = {true};
    const bool started = program->start();
    modals.accept.clear();
    return started;
  }

  CMainFrame& frame() { return *program->frame(); }
  QString demoPath() const { return demo_.path(); }

  std::unique_ptr<Program> program;
  ModalWatcher modals;

 private:
  QTemporaryDir demo_;
};

}  // namespace linkfold::gui::test
