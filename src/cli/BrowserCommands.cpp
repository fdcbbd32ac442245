// linkfold-cli's commands that import, save and export: each runs the window's own commands
// over a session, with the file dialogs answered by the files named on the command line.

#include <memory>
#include <ostream>
#include <string>

#include "Commands.h"
#include "ConsoleUi.h"
#include "DetectCommand.h"
#include "browsers/commands/AppSession.h"
#include "browsers/commands/ExportCommands.h"
#include "browsers/commands/ImportRun.h"
#include "browsers/sources/BrowserHome.h"
#include "library/CLFDoc.h"
#include "library/DocumentCommands.h"
#include "platform/Settings.h"
#include "view/CLFView.h"

namespace linkfold::cli {

namespace {

constexpr const char* kDefaultLog = "IMPLOG.TXT";

// New and Open read the browsers found; detect shows them.
bool detectsBrowsers(const CommandLine& line) {
  return line.command == "new" || line.command == "open" || line.command == "detect";
}

// The library file read alone, as Open Exclusive reads it.
bool openAlone(AppSession& session, const std::string& path) {
  CLFDoc& doc = session.document();
  doc.setExclusiveOpen(true);
  const bool opened = session.documentCommands().openDocumentFile(path);
  doc.setExclusiveOpen(false);
  return opened;
}

// Save As with the name from the command line.
bool saveAs(AppSession& session, ConsoleUi& ui, const std::string& path, std::ostream& err) {
  if (!session.documentCommands().canSave()) {
    err << "linkfold-cli: the library holds no bookmarks, so it cannot be saved\n";
    return false;
  }
  ui.setChosenFile(path);
  return session.documentCommands().fileSaveAs();
}

// Reads, then runs an Export command with every folder selected (as a read library has them).
bool runExport(AppSession& session, ConsoleUi& ui, const CommandLine& line, CommandId command,
               std::ostream& err) {
  if (!openAlone(session, line.library)) return false;
  CLFView view(session.document(), ui, session.document().settings());
  view.OnUpdate();
  ExportCommands exports(view);
  if (!exports.stateOf(command).enabled) {
    err << "linkfold-cli: the library holds no bookmarks, so there is nothing to export\n";
    return false;
  }
  ui.setChosenFile(line.output);
  return exports.run(command);
}

std::unique_ptr<AppSession> makeSession(const CommandLine& line, ConsoleUi& ui,
                                        SettingsStore& settings) {
  const std::string log = line.global.logFile.value_or(kDefaultLog);
  if (detectsBrowsers(line))
    return std::make_unique<AppSession>(ui, settings, line.global.registryFile, log);
  BrowserDetection none;
  if (line.command == "export-favorites") {
    none.msiePresent = true;
    none.favoritesPath = line.output;
    if (none.favoritesPath.empty() || none.favoritesPath.back() != '/') none.favoritesPath += '/';
  }
  return std::make_unique<AppSession>(ui, settings, std::move(none), log);
}

bool runOperation(const CommandLine& line, AppSession& session, ConsoleUi& ui, std::ostream& out,
                  std::ostream& err) {
  ImportRun& imports = session.importRun();
  if (line.command == "detect") {
    printDetect(line.json, session.document().browsers(), session.browserSources(), out);
    return !session.registryUnusable();
  }
  if (line.command == "new") {
    const bool created = session.documentCommands().fileNew() && imports.lastImportClean();
    return saveAs(session, ui, line.output, err) && created;
  }
  if (line.command == "open") {
    const bool opened = line.exclusive
                            ? openAlone(session, line.library)
                            : session.documentCommands().openDocumentFile(line.library) &&
                                  imports.lastImportClean();
    return saveAs(session, ui, line.output, err) && opened;
  }
  if (line.command == "import-html") {
    bool read = true;
    if (line.emptyLibrary)
      session.document().addFolder(kRootPath, true);
    else
      read = openAlone(session, line.library);
    imports.importHtml(line.input);
    read = read && imports.lastImportClean();
    return saveAs(session, ui, line.output, err) && read;
  }
  if (line.command == "export-html") return runExport(session, ui, line, kCmdExportOther, err);
  if (line.command == "export-text") return runExport(session, ui, line, kCmdExportText, err);
  return runExport(session, ui, line, kCmdExportMsie, err);
}

}  // namespace

int runBrowserCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  ConsoleUi ui(err, line.global.yes, line.global.profile);
  InMemorySettings settings;
  if (line.global.replaceChar) settings.write(setting::kReplaceChar, *line.global.replaceChar);
  const std::unique_ptr<AppSession> session = makeSession(line, ui, settings);
  if (ui.profileMissing()) {
    err << "linkfold-cli: no Netscape 4.x profile \"" << *line.global.profile << "\" was listed\n";
    return kExitUsage;
  }
  // Only New and Open read today's browsers; detect shows what they would read.
  if (detectsBrowsers(line)) {
    session->findBrowserSources(BrowserHome::fromProcess(line.global.home));
    std::string error;
    if (!chooseForThisRun(line.global, session->browserSources(), error)) {
      err << "linkfold-cli: " << error << '\n';
      return kExitUsage;
    }
  }
  return runOperation(line, *session, ui, out, err) ? kExitOk : kExitFailed;
}

}  // namespace linkfold::cli
