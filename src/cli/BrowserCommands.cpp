// linkfold-cli's commands that import, save and export: each runs the window's own commands
// over a session, with the file dialogs answered by the files named on the command line.

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "Commands.h"
#include "ConsoleUi.h"
#include "DetectCommand.h"
#include "StandardStreamFiles.h"
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

// True when the last open could not read its file at all (a mistyped name, no permission):
// the command must then stop before it writes anything.
bool inputUnreadable(AppSession& session, bool opened, const std::string& path, std::ostream& err) {
  if (opened || session.document().loadFailed()) return false;
  err << "linkfold-cli: the library " << path << " could not be read; nothing was written\n";
  return true;
}

bool isImport(const std::string& command) {
  return command == "new" || command == "open" || command == "import-html";
}

// "-" names standard output for the exports that write one file.
std::string outputPath(const std::string& named) {
  return named == "-" ? kStandardOutputPath : named;
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
  if (!openAlone(session, line.library)) {
    inputUnreadable(session, false, line.library, err);
    return false;
  }
  CLFView view(session.document(), ui, session.document().settings());
  view.OnUpdate();
  ExportCommands exports(view);
  if (!exports.stateOf(command).enabled) {
    err << "linkfold-cli: the library holds no bookmarks, so there is nothing to export\n";
    return false;
  }
  ui.setChosenFile(outputPath(line.output));
  return exports.run(command);
}

std::unique_ptr<AppSession> makeSession(const CommandLine& line, ConsoleUi& ui,
                                        SettingsStore& settings, const std::string& log) {
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
    const bool opened = line.exclusive ? openAlone(session, line.library)
                                       : session.documentCommands().openDocumentFile(line.library);
    if (inputUnreadable(session, opened, line.library, err)) return false;
    const bool clean = opened && (line.exclusive || imports.lastImportClean());
    return saveAs(session, ui, line.output, err) && clean;
  }
  if (line.command == "import-html") {
    bool read = true;
    if (line.emptyLibrary) {
      session.document().addFolder(kRootPath, true);
    } else {
      read = openAlone(session, line.library);
      if (inputUnreadable(session, read, line.library, err)) return false;
    }
    StandardInputCopy standardInput;
    for (const std::string& input : line.inputs) {
      std::string error;
      const auto path = input == "-" ? standardInput.path(error) : input;
      if (!path) {
        err << "linkfold-cli: " << error << "; nothing was written\n";
        return false;
      }
      imports.importHtml(*path);
      read = read && imports.lastImportClean();
    }
    return saveAs(session, ui, line.output, err) && read;
  }
  if (line.command == "export-html") return runExport(session, ui, line, kCmdExportOther, err);
  if (line.command == "export-text") return runExport(session, ui, line, kCmdExportText, err);
  return runExport(session, ui, line, kCmdExportMsie, err);
}

}  // namespace

int runBrowserCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string logError;
  std::optional<std::string> log = line.global.logFile;
  if (!log) log = defaultImportLogPath(logError);
  if (!log && isImport(line.command)) {
    err << "linkfold-cli: " << logError << '\n';
    return kExitFailed;
  }
  ConsoleUi ui(err, line.global.yes, line.global.profile);
  InMemorySettings settings;
  if (line.global.replaceChar) settings.write(setting::kReplaceChar, *line.global.replaceChar);
  const std::unique_ptr<AppSession> session = makeSession(line, ui, settings, log.value_or(""));
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
  const bool done = runOperation(line, *session, ui, out, err);
  if (const std::size_t count = session->document().adjustmentCount(); count > 0)
    err << "linkfold-cli: " << count << (count == 1 ? " adjustment was" : " adjustments were")
        << " made; see the import log " << log.value_or("") << '\n';
  return done ? kExitOk : kExitFailed;
}

}  // namespace linkfold::cli
