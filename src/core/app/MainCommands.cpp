#include "app/MainCommands.h"

#include "app/MainMenu.h"
#include "browsers/commands/AppSession.h"
#include "browsers/commands/ExportCommands.h"
#include "browsers/commands/ImportRun.h"
#include "library/CLFDoc.h"
#include "library/DocumentCommands.h"
#include "platform/Files.h"
#include "platform/UiPort.h"
#include "tools/Finder.h"
#include "tools/OptionDialogs.h"
#include "tools/WeedDuplicates.h"
#include "view/CLFView.h"

namespace linkfold {

namespace {

CommandState enabledIf(bool enabled) {
  return {enabled, std::nullopt, false};
}

CommandState checkedIf(bool checked) {
  return {true, std::nullopt, checked};
}

bool isExport(std::uint32_t command) {
  switch (command) {
    case kCmdExportMsie:
    case kCmdExportNetscape3:
    case kCmdExportNetscape4:
    case kCmdExportAll:
    case kCmdExportOther:
    case kCmdExportText:
      return true;
    default:
      return false;
  }
}

// Commands that rebuild the tree: it keeps its expansion and selection across them.
bool keepsTreeState(std::uint32_t command) {
  return command == kCmdImportHtml || command == kCmdWeedDuplicates || isExport(command);
}

bool isRecentFile(std::uint32_t command) {
  return command >= kCmdRecentFile1 && command < kCmdRecentFile1 + RecentFileList::kSize;
}

}  // namespace

MainCommands::MainCommands(AppSession& session, CLFView& view, Finder& finder,
                           ExportCommands& exports, RecentFileList& recentFiles,
                           FrameControls& frame)
    : session_(session),
      view_(view),
      finder_(finder),
      exports_(exports),
      recentFiles_(recentFiles),
      frame_(frame) {}

CommandState MainCommands::update(std::uint32_t command) const {
  const ViewOptions& options = view_.options();
  if (isExport(command)) return exports_.stateOf(static_cast<CommandId>(command));
  switch (command) {
    case kCmdFileSave:
    case kCmdFileSaveAs:
      return enabledIf(session_.documentCommands().canSave());
    case kCmdUndo: return view_.OnUpdateUndo();
    case kCmdRedo: return view_.OnUpdateRedo();
    case kCmdRename: return view_.OnUpdateRename();
    case kCmdDelete: return view_.OnUpdateDelete();
    case kCmdProperties: return view_.OnUpdateProperties();
    case kCmdOpenInBrowser: return view_.OnUpdateOpenInBrowser();
    case kCmdCopy: return view_.OnUpdateCopy();
    case kCmdCut: return view_.OnUpdateCut();
    case kCmdPaste: return view_.OnUpdatePaste();
    case kCmdFind: return finder_.OnUpdateFind();
    case kCmdFindNext: return finder_.OnUpdateFindNext();
    case kCmdWeedDuplicates: return OnUpdateWeedDuplicates(view_);
    case kCmdConfirmBookmarkDelete:
      return checkedIf(options.isChecked(ViewToggle::ConfirmBookmarkDelete));
    case kCmdConfirmFolderDelete:
      return checkedIf(options.isChecked(ViewToggle::ConfirmFolderDelete));
    case kCmdFollow: return checkedIf(options.isChecked(ViewToggle::Follow));
    case kCmdViewToolbar: return checkedIf(frame_.isBarVisible(FrameBar::Toolbar));
    case kCmdViewStatusBar: return checkedIf(frame_.isBarVisible(FrameBar::StatusBar));
    case kCmdImportLog: return enabledIf(session_.document().canViewImportLog());
    default:
      // The recent-file placeholder stands disabled while the list is empty.
      if (isRecentFile(command)) return enabledIf(recentFiles_.entryFor(command).has_value());
      return {};
  }
}

bool MainCommands::run(std::uint32_t command) {
  if (!update(command).enabled) return false;
  const bool keepState = keepsTreeState(command);
  const TreeState kept = keepState ? view_.captureTreeState() : TreeState{};
  const bool ran = runEnabled(command);
  if (keepState) view_.restoreTreeState(kept);
  return ran;
}

bool MainCommands::runEnabled(std::uint32_t command) {
  DocumentCommands& documents = session_.documentCommands();
  if (isExport(command)) {
    exports_.run(static_cast<CommandId>(command));
    return true;
  }
  switch (command) {
    case kCmdFileNew: documents.fileNew(); break;
    case kCmdFileOpen: rememberPathIf(documents.fileOpen()); break;
    case kCmdOpenExclusive: rememberPathIf(documents.fileOpenExclusive()); break;
    case kCmdFileSave: rememberPathIf(documents.fileSave()); break;
    case kCmdFileSaveAs: rememberPathIf(documents.fileSaveAs()); break;
    case kCmdImportHtml: session_.importRun().OnImportHtml(); break;
    case kCmdAppExit: frame_.closeWindow(); break;
    case kCmdUndo: view_.OnUndo(); break;
    case kCmdRedo: view_.OnRedo(); break;
    case kCmdRename: view_.OnRename(); break;
    case kCmdDelete: view_.OnDelete(); break;
    case kCmdNewFolder: view_.OnNewFolder(); break;
    case kCmdOpenInBrowser: view_.OnOpenInBrowser(); break;
    case kCmdCopy: frame_.setClipboard(view_.OnCopy()); break;
    case kCmdCut:  // copy, then the Delete command with its question
      frame_.setClipboard(view_.OnCopy());
      view_.OnDelete();
      break;
    case kCmdPaste: view_.OnPaste(frame_.clipboard()); break;
    case kCmdFilter: frame_.focusFilter(); break;
    case kCmdFind: finder_.OnFind(); break;
    case kCmdFindNext: finder_.OnFindNext(); break;
    case kCmdWeedDuplicates: OnWeedDuplicates(view_); break;
    case kCmdConfirmBookmarkDelete: view_.options().toggle(ViewToggle::ConfirmBookmarkDelete); break;
    case kCmdConfirmFolderDelete: view_.options().toggle(ViewToggle::ConfirmFolderDelete); break;
    case kCmdFollow: view_.options().toggle(ViewToggle::Follow); break;
    case kCmdScrollingSpeed:
      runScrollingSpeed(view_.ui(), session_.document().settings(), view_.options().scrollDelay);
      break;
    case kCmdReplacementCharacter: runReplacementCharacter(session_.document()); break;
    case kCmdBrowsers: session_.chooseBrowserSources(); break;
    case kCmdViewToolbar:
      frame_.setBarVisible(FrameBar::Toolbar, !frame_.isBarVisible(FrameBar::Toolbar));
      break;
    case kCmdViewStatusBar:
      frame_.setBarVisible(FrameBar::StatusBar, !frame_.isBarVisible(FrameBar::StatusBar));
      break;
    case kCmdExpandAll: view_.OnExpandAll(); break;
    case kCmdCollapseAll: view_.OnCollapseAll(); break;
    case kCmdProperties: view_.OnProperties(); break;
    case kCmdImportLog: session_.document().OnViewImportLog(); break;
    case kCmdHelpFinder:
    case kCmdDefaultHelp: frame_.showHelpContents(); break;
    case kCmdIntroduction: view_.ui().showHelp(kHelpTopicIntroduction); break;
    case kCmdHelp: frame_.showContextHelp(); break;
    case kCmdContextHelp: frame_.enterContextHelpMode(); break;
    case kCmdAppAbout: frame_.showAbout(); break;
    default:
      if (!isRecentFile(command)) return false;
      openRecentFile(command);
  }
  return true;
}

bool MainCommands::openFile(const std::string& path) {
  return rememberPathIf(session_.documentCommands().openDocumentFile(path));
}

void MainCommands::openRecentFile(std::uint32_t command) {
  const std::string path = *recentFiles_.entryFor(command);
  // A file that is gone leaves the list; one that merely failed to load, or an open the person
  // cancelled at the prompt to save, keeps its entry.
  if (!openFile(path) && !fileIsReadable(path)) recentFiles_.remove(command - kCmdRecentFile1);
}

bool MainCommands::canClose() {
  return session_.documentCommands().saveModified();
}

bool MainCommands::rememberPathIf(bool succeeded) {
  if (succeeded) recentFiles_.add(session_.document().pathName());
  return succeeded;
}

std::string MainCommands::windowTitle() const {
  return session_.document().title() + "[*] - " + kAppTitle;
}

bool MainCommands::libraryModified() const {
  return session_.document().isModified();
}

}  // namespace linkfold
