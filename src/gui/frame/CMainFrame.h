#pragma once
// CMainFrame: the program's one top-level window. It holds the menu bar, the toolbar, the status
// bar and the library tree; builds its menus, keys and buttons from the core's tables; routes
// every command by id to the core (MainCommands) and refreshes the update handlers as menus
// open and whenever something changed; keeps its placement in "MainWindowPos"; opens dropped
// ".bml" files; and shows help.

#include <QMainWindow>
#include <QPointer>

#include "frame/HelpWindow.h"
#include <cstdint>
#include <memory>
#include <vector>

#include "app/MainCommands.h"
#include "app/MainWindowLayout.h"

class QMenu;
class QToolBar;

namespace linkfold {
class SettingsStore;
}

namespace linkfold::gui {

class CommandActions;
class FilterBox;
class LibraryTreeWidget;
class StatusPanes;

class CMainFrame : public QMainWindow, public FrameControls {
  Q_OBJECT

 public:
  CMainFrame(AppSession& session, CLFView& view, Finder& finder, ExportCommands& exports,
             RecentFileList& recentFiles, SettingsStore& settings);
  ~CMainFrame() override;

  MainCommands& commands() { return *commands_; }
  CommandActions& commandActions() { return *actions_; }
  LibraryTreeWidget& tree() { return *tree_; }
  FilterBox& filterBox() { return *filter_; }
  QToolBar& toolbar() { return *toolbar_; }
  StatusPanes& statusPanes() { return *panes_; }
  // The help window, once help was asked for.
  HelpWindow* helpWindow() const { return help_; }

  // Shows the window normal, maximised or minimised as it was left. (The window was placed as
  // "MainWindowPos" says, through the work-area rule, when it was made; with nothing saved, at
  // its first-start place.)
  void showAsSaved();
  // After New, Open or Import HTML refilled the library: the title and the update handlers.
  void documentChanged();
  void showHelp(std::uint32_t topic);

  // FrameControls
  bool isBarVisible(FrameBar bar) const override;
  void setBarVisible(FrameBar bar, bool visible) override;
  void showAbout() override;
  void closeWindow() override;
  void showHelpContents() override;
  void showContextHelp() override;
  void enterContextHelpMode() override;
  void setClipboard(const ClipboardData& data) override;
  ClipboardData clipboard() const override;
  void focusFilter() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  // The filter box above the tree.
  QWidget* buildFilteredTree();
  // How many bookmarks the filter found, in the status bar.
  void showFilterCount();
  void rebuildRecentFiles();
  void runCommand(std::uint32_t command);
  // Coalesces the refreshes asked for in one turn of the event loop into one.
  void scheduleRefresh();
  void refreshNow();
  void placeAsSaved();
  void savePlacement();

  SettingsStore& settings_;
  RecentFileList& recentFiles_;
  CLFView& view_;
  std::unique_ptr<MainCommands> commands_;
  CommandActions* actions_ = nullptr;
  LibraryTreeWidget* tree_ = nullptr;
  FilterBox* filter_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  StatusPanes* panes_ = nullptr;
  QPointer<HelpWindow> help_;
  QMenu* fileMenu_ = nullptr;
  QAction* afterRecentFiles_ = nullptr;  // the separator below the recent-file entries
  std::vector<QAction*> recentActions_;
  bool refreshPending_ = false;
  std::uint32_t firstShowState_ = kShowNormal;
};

}  // namespace linkfold::gui
