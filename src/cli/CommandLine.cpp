#include "CommandLine.h"

#include <algorithm>

#include "platform/Text.h"
#include "tools/FindDialog.h"
#include "tools/OptionDialogs.h"

namespace linkfold::cli {

const char* const kUsage =
    "Usage: linkfold-cli COMMAND LIB.bml [OPTIONS]\n"
    "       linkfold-cli [GLOBAL OPTIONS] COMMAND ARGUMENTS [GLOBAL OPTIONS]\n"
    "\n"
    "Commands that read a library:\n"
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
    "Commands that import, save and export, as the window's commands do:\n"
    "  new -o OUT.bml\n"
    "      File New: detects the browsers and imports their bookmarks (the import run),\n"
    "      then saves the library as OUT.bml.\n"
    "  open LIB.bml [--exclusive] -o OUT.bml\n"
    "      File Open: reads LIB.bml and adds the detected browsers' bookmarks (with\n"
    "      --exclusive, as Open Exclusive: the file alone), then saves it as OUT.bml.\n"
    "  import-html LIB.bml|--empty FILE.html -o OUT.bml\n"
    "      Import HTML: adds the bookmarks of the Netscape-format FILE.html to LIB.bml (read\n"
    "      alone) or, with --empty, to a new library holding only the root folder, then\n"
    "      saves it as OUT.bml.\n"
    "  export-html LIB.bml OUT.html\n"
    "      Export, Other BOOKMARK.HTM: writes LIB.bml as a Netscape bookmark file titled\n"
    "      \"Bookmarks exported by Linkfold\", without a backup copy.\n"
    "  export-text LIB.bml OUT.txt\n"
    "      Export, Text only: writes the folders and bookmarks of LIB.bml as text.\n"
    "  export-favorites LIB.bml DIR\n"
    "      Export, MSIE Bookmarks, with the existing folder DIR as the Favorites folder: its\n"
    "      shortcut files are replaced by the library's folders and bookmarks.\n"
    "  detect [--json]\n"
    "      Prints what browser detection finds as one JSON object on one line:\n"
    "      {\"msie\":{\"present\":B,\"favorites\":...,\"favoritesLength\":N},\n"
    "      \"netscape3\":{\"present\":B,\"file\":...},\n"
    "      \"netscape4\":{\"present\":B,\"profile\":...,\"file\":...}}\n"
    "      then one line per source found among today's browsers (see Browser sources):\n"
    "      \"chosen<TAB>ID<TAB>LABEL<TAB>PATH\", or \"-\" in place of \"chosen\" for a source\n"
    "      new and open would not read. With --json, only the JSON object, with the sources\n"
    "      added as \"sources\":[{\"id\":...,\"label\":...,\"path\":...,\"readable\":B,\n"
    "      \"chosen\":B}...].\n"
    "  import-html and the exports read LIB.bml alone, as Open Exclusive does, with every\n"
    "  folder selected. A library without bookmarks cannot be saved (Save is disabled),\n"
    "  so new, open and import-html then write nothing and fail.\n"
    "\n"
    "Global options:\n"
    "  --registry FILE   the registry export text that detection reads (else the file\n"
    "                    named by LINKFOLD_REGISTRY; else nothing is detected)\n"
    "  --log FILE        where the import log is written (default: IMPLOG.TXT in the\n"
    "                    current directory)\n"
    "  --replace-char C  the replacement character for names: $, -, _, ~ or a space\n"
    "                    (default $)\n"
    "  --yes             answers Yes to every question (default: No)\n"
    "  --profile NAME    the Netscape 4.x profile to select when detection lets you choose\n"
    "                    (default: the first listed; Netscape 4.x is never switched off)\n"
    "  --home DIR        looks for today's browsers under DIR as if it were the home\n"
    "                    folder, with DIR/.config as the config folder (else the folder\n"
    "                    named by LINKFOLD_HOME; else $HOME and $XDG_CONFIG_HOME)\n"
    "  --source ID       new and open read this source (repeatable) and no other\n"
    "  --no-sources      new and open read none of today's browsers\n"
    "\n"
    "Browser sources: besides the browsers of the registry file, new and open read today's\n"
    "browsers, after the Netscape and Favorites bookmarks: Firefox profiles (places.sqlite)\n"
    "and Chromium-family profiles (Bookmarks and AccountBookmarks of Chrome, Chromium, Brave,\n"
    "Vivaldi, Edge and Opera), including snap and flatpak installs. linkfold-cli stores no\n"
    "settings, so it reads the profiles the browsers start with (Firefox's install default,\n"
    "Chromium's last used profile) unless --source or --no-sources chooses otherwise. An ID\n"
    "is the browser and the file's path, \"~/\" standing for the home folder, for example\n"
    "\"firefox:~/.mozilla/firefox/x.default-release/places.sqlite\"; detect lists them.\n"
    "\n"
    "Options may stand anywhere after the command. \"--\" ends them: every argument after it\n"
    "is taken as it is, so that \"find LIB.bml -- --text\" searches for \"--text\".\n"
    "Global options may also stand before the command.\n"
    "\n"
    "Every message the program would show in a box is printed to standard error as\n"
    "\"[information] text\", \"[question] text\", \"[exclamation] text\" or \"[error] text\".\n"
    "A question is followed by \"[answer] Yes\" or \"[answer] No\", the profile choice by\n"
    "\"[dialog] Select Netscape Communicator User Profile\" and \"[answer] NAME\".\n"
    "\n"
    "Exit status: 0 when the library loaded cleanly, 2 when loading it failed (what was read\n"
    "is still used), 1 for a usage error.\n"
    "For new, open, import-html and the exports: 0 when the operation succeeded without a\n"
    "critical error (the import log written in full), 2 otherwise; detect gives 2 when the\n"
    "registry file cannot be read or is damaged, else 0.\n"
    "A --source ID that names no source found is a usage error (1) for every command.\n";

namespace {

ParseResult failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

struct CommandForm {
  std::string_view name;
  std::size_t positional;  // how many arguments besides the options
  bool output;             // needs -o OUT.bml
  std::string_view wrongCount;
};

constexpr CommandForm kForms[] = {
    {"dump", 1, false, "dump needs exactly one library file"},
    {"tree", 1, false, "tree needs exactly one library file"},
    {"weed", 1, false, "weed needs exactly one library file"},
    {"find", 2, false, "find needs a library file and a search text"},
    {"new", 0, true, "new takes no library file"},
    {"open", 1, true, "open needs exactly one library file"},
    {"import-html", 2, true, "import-html needs a library file (or --empty) and an HTML file"},
    {"export-html", 2, false, "export-html needs a library file and an output file"},
    {"export-text", 2, false, "export-text needs a library file and an output file"},
    {"export-favorites", 2, false, "export-favorites needs a library file and a folder"},
    {"detect", 0, false, "detect takes no arguments"},
};

const CommandForm* findForm(std::string_view name) {
  const auto* form = std::find_if(std::begin(kForms), std::end(kForms),
                                  [name](const CommandForm& f) { return f.name == name; });
  return form == std::end(kForms) ? nullptr : form;
}

// The value after an option that needs one; empty with `error` set when it is missing.
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& missing, std::string& error) {
  if (i + 1 == args.size()) {
    error = missing;
    return std::nullopt;
  }
  return args[++i];
}

bool isReplacementChar(const std::string& value) {
  return value.size() == 1 &&
         std::any_of(ReplaceCharDialog::kEntries.begin(), ReplaceCharDialog::kEntries.end(),
                     [&value](std::string_view entry) { return entry.front() == value[0]; });
}

// Takes the global option at args[i] (and its value); false when args[i] is none. `error` is
// set when it is one but is malformed.
bool takeGlobalOption(const std::vector<std::string>& args, std::size_t& i, GlobalOptions& global,
                      std::string& error) {
  const std::string& arg = args[i];
  if (arg == "--yes") {
    global.yes = true;
  } else if (arg == "--registry") {
    global.registryFile = optionValue(args, i, "--registry needs a file", error);
  } else if (arg == "--log") {
    global.logFile = optionValue(args, i, "--log needs a file", error);
  } else if (arg == "--profile") {
    global.profile = optionValue(args, i, "--profile needs a name", error);
  } else if (arg == "--home") {
    global.home = optionValue(args, i, "--home needs a folder", error);
  } else if (arg == "--source") {
    if (const auto id = optionValue(args, i, "--source needs a source id", error))
      global.sources.push_back(*id);
  } else if (arg == "--no-sources") {
    global.noSources = true;
  } else if (arg == "--replace-char") {
    const auto value =
        optionValue(args, i, "--replace-char needs a character: $, -, _, ~ or a space", error);
    if (value && !isReplacementChar(*value))
      error = "--replace-char takes $, -, _, ~ or a space, not \"" + *value + "\"";
    else if (value)
      global.replaceChar = (*value)[0];
  } else {
    return false;
  }
  return true;
}

// The options only `find` takes; false when args[i] is none of them.
bool takeFindOption(const std::vector<std::string>& args, std::size_t& i, CommandLine& line,
                    std::string& error) {
  if (args[i] == "--ignore-case") {
    line.ignoreCase = true;
    return true;
  }
  if (args[i] != "--look-in") return false;
  const auto value = optionValue(args, i, "--look-in needs a value: both, name or url", error);
  if (!value) return true;
  if (*value == "both")
    line.lookIn = LookIn::Both;
  else if (*value == "name")
    line.lookIn = LookIn::Name;
  else if (*value == "url")
    line.lookIn = LookIn::Url;
  else
    error = "--look-in takes both, name or url, not \"" + *value + "\"";
  return true;
}

ParseResult finishFind(CommandLine line) {
  // The Find dialog refuses the same texts.
  if (line.searchText.empty()) return failure("the search text must not be empty");
  if (utf8CharCount(line.searchText) > FindDialog::kMaxTextChars)
    return failure("the search text must not be longer than " +
                   std::to_string(FindDialog::kMaxTextChars) + " characters");
  return {line, {}};
}

}  // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::string error;
  std::size_t i = 0;
  while (i < args.size() && takeGlobalOption(args, i, line.global, error)) {
    if (!error.empty()) return failure(error);
    ++i;
  }
  if (i == args.size()) return failure("no command given");
  line.command = args[i];
  if (line.command == "--help" || line.command == "-h" || line.command == "help") {
    if (args.size() != 1) return failure("--help takes no arguments");
    line.command = "help";
    return {line, {}};
  }
  // The command first, so that the options are judged by the command they belong to.
  const CommandForm* form = findForm(line.command);
  if (!form) return failure("unknown command \"" + line.command + "\"");
  const bool find = line.command == "find";
  const bool importHtml = line.command == "import-html";
  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (++i; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded) {
      positional.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (takeGlobalOption(args, i, line.global, error) ||
               (find && takeFindOption(args, i, line, error))) {
      if (!error.empty()) return failure(error);
    } else if (line.command == "detect" && arg == "--json") {
      line.json = true;
    } else if (line.command == "open" && arg == "--exclusive") {
      line.exclusive = true;
    } else if (importHtml && arg == "--empty") {
      line.emptyLibrary = true;
    } else if (form->output && arg == "-o") {
      const auto value = optionValue(args, i, "-o needs a file", error);
      if (!value) return failure(error);
      line.output = *value;
    } else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
      return failure("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (line.global.noSources && !line.global.sources.empty())
    return failure("--source and --no-sources cannot be used together");
  if (positional.size() + (line.emptyLibrary ? 1 : 0) != form->positional)
    return failure(std::string(form->wrongCount));
  if (form->output && line.output.empty()) return failure(line.command + " needs -o OUT.bml");
  if (line.emptyLibrary) {
    line.input = positional[0];
    return {line, {}};
  }
  if (!positional.empty()) line.library = positional[0];
  if (find) {
    line.searchText = positional[1];
    return finishFind(std::move(line));
  }
  if (importHtml) {
    line.input = positional[1];
  } else if (positional.size() == 2) {
    line.output = positional[1];
  }
  return {line, {}};
}

}  // namespace linkfold::cli
