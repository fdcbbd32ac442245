#pragma once
// The main window's command routing: for every command id, the update handler (enabled,
// checked, menu text) and the action, over the session's document commands, the view, Find,
// the export commands, the options and the recent-file list. What only the window can do (its
// bars, About, closing, help) it asks of the window through FrameControls. A command its
// update handler disables does nothing, from whichever menu, key or button it comes.

#include <cstdint>
#include <string>

#include "app/RecentFileList.h"
#include "library/BookmarkClipboard.h"
#include "view/CommandIds.h"

namespace linkfold {

class AppSession;
class CLFView;
class ExportCommands;
class Finder;

enum class FrameBar { Toolbar, StatusBar };

class FrameControls {
 public:
  virtual ~FrameControls() = default;
  virtual bool isBarVisible(FrameBar bar) const = 0;
  virtual void setBarVisible(FrameBar bar, bool visible) = 0;
  virtual void showAbout() = 0;
  // Exit: the window's close, which saves its placement and asks to save the library.
  virtual void closeWindow() = 0;
  virtual void showHelpContents() = 0;
  // F1: the help topic of whatever the person is looking at.
  virtual void showContextHelp() = 0;
  // Shift+F1: the next click asks what a control is.
  virtual void enterContextHelpMode() = 0;
  // The system clipboard, in the forms bookmarks travel in.
  virtual void setClipboard(const ClipboardData& data) = 0;
  virtual ClipboardData clipboard() const = 0;
  // Ctrl+L: the keyboard goes to the filter box.
  virtual void focusFilter() = 0;
};

inline constexpr std::uint32_t kHelpTopicIntroduction = 0x5800;

class MainCommands {
 public:
  MainCommands(AppSession& session, CLFView& view, Finder& finder, ExportCommands& exports,
               RecentFileList& recentFiles, FrameControls& frame);

  CommandState update(std::uint32_t command) const;
  // Runs the command when its update handler enables it; false when it did not run.
  bool run(std::uint32_t command);

  // Opens a named library (command line, dropped file, recent-file entry) as File Open does.
  bool openFile(const std::string& path);
  // Before the window closes: false when the person cancelled the prompt to save.
  bool canClose();

  // "Untitled[*] - Linkfold" or "<file title>[*] - Linkfold": the window shows "*" in place of
  // "[*]" while the library is modified.
  std::string windowTitle() const;
  bool libraryModified() const;

 private:
  // Puts the library's file at the top of the recent-file list after an open or a save that
  // succeeded; returns `succeeded`.
  bool rememberPathIf(bool succeeded);
  bool runEnabled(std::uint32_t command);
  void openRecentFile(std::uint32_t command);

  AppSession& session_;
  CLFView& view_;
  Finder& finder_;
  ExportCommands& exports_;
  RecentFileList& recentFiles_;
  FrameControls& frame_;
};

}  // namespace linkfold
