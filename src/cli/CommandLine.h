#pragma once
// The command line of linkfold-cli, parsed into a plain struct.

#include <optional>
#include <string>
#include <vector>

namespace linkfold::cli {

enum class LookIn { Both, Name, Url };

// The options every command takes, before or after the command.
struct GlobalOptions {
  std::optional<std::string> registryFile;  // --registry; else LINKFOLD_REGISTRY
  std::optional<std::string> logFile;       // --log; else IMPLOG.TXT in the data directory
  std::optional<char> replaceChar;          // --replace-char
  bool yes = false;                         // --yes: every question is answered Yes
  std::optional<std::string> profile;       // --profile: the Netscape 4.x profile to select
  std::optional<std::string> home;          // --home: where today's browsers are looked for
  std::vector<std::string> sources;         // --source ID, repeatable: read only these
  bool noSources = false;                   // --no-sources: read none of them
};

struct CommandLine {
  // "dump", "tree", "find", "weed", "new", "open", "import-html", "export-html",
  // "export-text", "export-favorites", "detect", "help" or "version"
  std::string command;
  std::string helpTopic;      // help COMMAND, COMMAND --help
  std::string library;        // LIB.bml
  bool emptyLibrary = false;  // import-html --empty: a new library holding only the root
  std::string searchText;
  LookIn lookIn = LookIn::Both;
  bool ignoreCase = false;
  bool exclusive = false;           // open --exclusive
  bool json = false;                // detect, find, tree and weed --json
  std::vector<std::string> inputs;  // import-html: FILE.html..., "-" for standard input
  std::string output;               // -o OUT.bml, or the export's OUT.html, OUT.txt or DIR
  GlobalOptions global;
};

struct ParseResult {
  std::optional<CommandLine> commandLine;
  std::string error;       // set when commandLine is empty
  std::string command;     // the command the error belongs to, when it was recognised
  std::string suggestion;  // for an unknown command: the known one it is close to
};

ParseResult parseCommandLine(const std::vector<std::string>& args);
// The lines a usage error prints: the reason, a suggestion, and where to read more.
std::string usageErrorText(const ParseResult& result);

}  // namespace linkfold::cli
