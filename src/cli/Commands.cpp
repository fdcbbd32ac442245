#include "Commands.h"

#include "ConsoleUi.h"
#include "Help.h"
#include "app/CommandLine.h"
#include "library/CLFDoc.h"
#include "platform/Settings.h"

namespace linkfold::cli {

int runDump(CLFDoc& doc, std::ostream& out);
int runTree(CLFDoc& doc, std::ostream& out);
int runTreeJson(CLFDoc& doc, std::ostream& out);
int runFind(CLFDoc& doc, const CommandLine& line, std::ostream& out);
int runWeed(CLFDoc& doc, bool json, std::ostream& out);

int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  if (line.command == "help") {
    out << (line.helpTopic.empty() ? fullHelp() : commandHelp(line.helpTopic).value_or(""));
    return kExitOk;
  }
  if (line.command == "version") {
    out << kVersion;
    return kExitOk;
  }
  if (line.command != "dump" && line.command != "tree" && line.command != "find" &&
      line.command != "weed")
    return runBrowserCommand(line, out, err);
  ConsoleUi ui(err);
  InMemorySettings settings;
  CLFDoc doc(ui, settings, std::string());
  // The library is loaded exactly as Open Exclusive loads it: the file alone, no import.
  doc.setExclusiveOpen(true);
  const bool loaded = doc.OnOpenDocument(line.library);
  doc.setExclusiveOpen(false);
  int status = kExitOk;
  if (line.command == "dump") status = runDump(doc, out);
  if (line.command == "tree") status = line.json ? runTreeJson(doc, out) : runTree(doc, out);
  if (line.command == "find") status = runFind(doc, line, out);
  if (line.command == "weed") status = runWeed(doc, line.json, out);
  return loaded ? status : kExitFailed;
}

}  // namespace linkfold::cli
