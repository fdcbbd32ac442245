#include "Commands.h"

#include "ConsoleUi.h"
#include "library/CLFDoc.h"
#include "platform/Settings.h"

namespace linkfold::cli {

int runDump(CLFDoc& doc, std::ostream& out);
int runTree(CLFDoc& doc, std::ostream& out);
int runFind(CLFDoc& doc, const CommandLine& line, std::ostream& out);
int runWeed(CLFDoc& doc, std::ostream& out);

int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  if (line.command == "help") {
    out << kUsage;
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
  if (line.command == "dump") runDump(doc, out);
  if (line.command == "tree") runTree(doc, out);
  if (line.command == "find") runFind(doc, line, out);
  if (line.command == "weed") runWeed(doc, out);
  return loaded ? kExitOk : kExitFailed;
}

}  // namespace linkfold::cli
