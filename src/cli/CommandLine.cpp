#include "CommandLine.h"

#include "platform/Text.h"
#include "tools/FindDialog.h"

namespace linkfold::cli {

const char* const kUsage =
    "Usage: linkfold-cli COMMAND LIB.bml [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  dump LIB.bml\n"
    "      Loads the library file alone (as Open Exclusive does) and prints it as one JSON\n"
    "      object: {\"folders\":[{\"path\":...,\"parent\":N,\"locked\":true|false}...],\n"
    "      \"bookmarks\":[{\"folder\":N,\"name\":...,\"url\":...,\"description\":null|\"...\",\n"
    "      \"add\":N,\"modified\":N,\"visit\":N}...]} in table order. A byte that is not part\n"
    "      of valid UTF-8 is written as the escape \\udcXX (XX its value).\n"
    "  tree LIB.bml\n"
    "      Prints the library's tree, one item a line, indented two spaces a level:\n"
    "      \"F <label>\" for a folder, \"L <label>\" for a locked folder, \"B <label>\" for a\n"
    "      bookmark.\n"
    "  find LIB.bml TEXT [--look-in both|name|url] [--ignore-case]\n"
    "      Prints every bookmark that Find and then Find Next would select from the root,\n"
    "      one a line: <folder path>\\t<name>\\t<url>. TEXT must not be empty and may have\n"
    "      at most 64 characters.\n"
    "  weed LIB.bml\n"
    "      Prints the groups of bookmarks that share a URL: a line \"URL <url>\" per group,\n"
    "      then \"  <folder path or Root Folder\\>\\t<name>\" per bookmark.\n"
    "  --help\n"
    "      Prints this text.\n"
    "\n"
    "Options may stand anywhere after the command. \"--\" ends them: every argument after it\n"
    "is taken as it is, so that \"find LIB.bml -- --text\" searches for \"--text\".\n"
    "\n"
    "Every message the program would show in a box is printed to standard error as\n"
    "\"[information] text\", \"[question] text\", \"[exclamation] text\" or \"[error] text\".\n"
    "\n"
    "Exit status: 0 when the library loaded cleanly, 2 when loading it failed (what was read\n"
    "is still used), 1 for a usage error.\n";

namespace {

ParseResult failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

}  // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return failure("no command given");
  CommandLine line;
  line.command = args[0];
  if (line.command == "--help" || line.command == "-h" || line.command == "help") {
    if (args.size() != 1) return failure("--help takes no arguments");
    line.command = "help";
    return {line, {}};
  }
  // The command first, so that the options are judged by the command they belong to.
  const bool find = line.command == "find";
  if (!find && line.command != "dump" && line.command != "tree" && line.command != "weed")
    return failure("unknown command \"" + line.command + "\"");
  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded) {
      positional.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (find && arg == "--ignore-case") {
      line.ignoreCase = true;
    } else if (find && arg == "--look-in") {
      if (i + 1 == args.size()) return failure("--look-in needs a value: both, name or url");
      const std::string& value = args[++i];
      if (value == "both")
        line.lookIn = LookIn::Both;
      else if (value == "name")
        line.lookIn = LookIn::Name;
      else if (value == "url")
        line.lookIn = LookIn::Url;
      else
        return failure("--look-in takes both, name or url, not \"" + value + "\"");
    } else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
      return failure("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != (find ? 2u : 1u))
    return failure(find ? "find needs a library file and a search text"
                        : line.command + " needs exactly one library file");
  line.library = positional[0];
  if (!find) return {line, {}};
  // The Find dialog refuses the same texts.
  line.searchText = positional[1];
  if (line.searchText.empty()) return failure("the search text must not be empty");
  if (utf8CharCount(line.searchText) > FindDialog::kMaxTextChars)
    return failure("the search text must not be longer than " +
                   std::to_string(FindDialog::kMaxTextChars) + " characters");
  return {line, {}};
}

}  // namespace linkfold::cli
