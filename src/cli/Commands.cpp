#include "Commands.h"

#include "ConsoleUi.h"
#include "library/CLFDoc.h"
#include "platform/Settings.h"

namespace linkfold::cli {

int runDump(CLFDoc& doc, std::ostream& out);

int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  if (line.command == "help") {
    out << kUsage;
    return kExitOk;
  }
  ConsoleUi ui(err);
  InMemorySettings settings;
  CLFDoc doc(ui, settings, std::string());
  // The library is loaded exactly as Open Exclusive loads it: the file alone, no import.
  doc.setExclusiveOpen(true);
  const bool loaded = doc.OnOpenDocument(line.library);
  doc.setExclusiveOpen(false);
  if (line.command == "dump") runDump(doc, out);
  return loaded ? kExitOk : kExitLoadFailed;
}

}  // namespace linkfold::cli
