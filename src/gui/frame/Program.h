#pragma once
// One run of the window program: the "/uninstall" switch, the settings store, the desktop entry
// and MIME type, the session (browser detection, the library document), the view, the main
// frame, and the command line's New or Open. At the end it writes the recent-file list.

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "app/RecentFileList.h"
#include "frame/HelpWindow.h"

namespace linkfold {
class AppSession;
class CLFView;
class ExportCommands;
class Finder;
}  // namespace linkfold

namespace linkfold::gui {

class CMainFrame;
class QtSettingsStore;
class QtUi;

class Program {
 public:
  // `arguments` leaves out the program's name.
  explicit Program(std::vector<std::string> arguments);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The organisation and program names that QSettings and the data directories use.
  static void setApplicationIdentity();

  // Runs the start-up and shows the main window. False when the program ends here instead:
  // after "/uninstall", for a command line that cannot be processed, or when the named library
  // could not be opened; exitCode() then tells the status to end with.
  bool start();
  int exitCode() const { return exitCode_; }

  QtUi& ui() { return *ui_; }
  QtSettingsStore& settings() { return *settings_; }
  // Present once start() got as far.
  AppSession* session() const { return session_.get(); }
  CLFView* view() const { return view_.get(); }
  CMainFrame* frame() const { return frame_.get(); }

  // Where every import writes its log: IMPLOG.TXT in the program's own data directory.
  static std::string importLogPath();

 private:
  bool uninstall();
  void registerWithDesktop() const;

  std::vector<std::string> arguments_;
  int exitCode_ = 0;
  std::unique_ptr<QtUi> ui_;
  std::unique_ptr<QtSettingsStore> settings_;
  RecentFileList recentFiles_;
  std::unique_ptr<AppSession> session_;
  std::unique_ptr<CLFView> view_;
  std::unique_ptr<Finder> finder_;
  std::unique_ptr<ExportCommands> exports_;
  std::unique_ptr<CMainFrame> frame_;
  QPointer<HelpWindow> startupHelp_;  // help asked for before the main window exists
};

}  // namespace linkfold::gui
