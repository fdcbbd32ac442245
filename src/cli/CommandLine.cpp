#include "CommandLine.h"

#include <algorithm>

#include "Help.h"
#include "platform/Text.h"
#include "tools/FindDialog.h"
#include "tools/OptionDialogs.h"

namespace linkfold::cli {

namespace {

ParseResult failure(std::string message) {
  return {std::nullopt, std::move(message), {}, {}};
}

struct CommandForm {
  std::string_view name;
  std::size_t positional;  // how many arguments besides the options (at least, when `more`)
  bool output;             // needs -o OUT.bml
  std::string_view wrongCount;
  bool more = false;  // takes further arguments of the last kind
  bool json = false;  // takes --json
};

constexpr CommandForm kForms[] = {
    {"dump", 1, false, "dump needs exactly one library file"},
    {"tree", 1, false, "tree needs exactly one library file", false, true},
    {"weed", 1, false, "weed needs exactly one library file", false, true},
    {"find", 2, false, "find needs a library file and a search text", false, true},
    {"new", 0, true, "new takes no library file"},
    {"open", 1, true, "open needs exactly one library file"},
    {"import-html", 2, true,
     "import-html needs a library file (or --empty) and at least one HTML file", true},
    {"export-html", 2, false, "export-html needs a library file and an output file"},
    {"export-text", 2, false, "export-text needs a library file and an output file"},
    {"export-favorites", 2, false, "export-favorites needs a library file and a folder"},
    {"detect", 0, false, "detect takes no arguments", false, true},
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

// help, help COMMAND, --help, -h, --version.
std::optional<ParseResult> helpRequest(const std::vector<std::string>& args, std::size_t i,
                                       CommandLine line) {
  const std::string& word = args[i];
  if (word == "--version") {
    if (i + 1 != args.size()) return failure("--version takes no arguments");
    line.command = "version";
    return ParseResult{line, {}, {}, {}};
  }
  if (word != "--help" && word != "-h" && word != "help") return std::nullopt;
  line.command = "help";
  if (i + 1 == args.size()) return ParseResult{line, {}, {}, {}};
  const std::string& wrong = findForm(args[i + 1]) ? args.back() : args[i + 1];
  if (i + 2 != args.size() || !findForm(args[i + 1]))
    return failure("help takes one command name, not \"" + wrong + "\"");
  line.helpTopic = args[i + 1];
  return ParseResult{line, {}, {}, {}};
}

ParseResult finishFind(CommandLine line) {
  // The Find dialog refuses the same texts.
  if (line.searchText.empty()) return failure("the search text must not be empty");
  if (utf8CharCount(line.searchText) > FindDialog::kMaxTextChars)
    return failure("the search text must not be longer than " +
                   std::to_string(FindDialog::kMaxTextChars) + " characters");
  return {line, {}, {}, {}};
}

ParseResult parseCommand(const std::vector<std::string>& args, std::size_t i, CommandLine line);

}  // namespace

std::string usageErrorText(const ParseResult& result) {
  std::string text = "linkfold-cli: " + result.error + "\n";
  if (!result.suggestion.empty()) text += "Did you mean '" + result.suggestion + "'?\n";
  if (result.command.empty()) return text + "Try 'linkfold-cli --help'.\n";
  return text + "Try 'linkfold-cli help " + result.command + "'.\n";
}

ParseResult parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::string error;
  std::size_t i = 0;
  while (i < args.size() && takeGlobalOption(args, i, line.global, error)) {
    if (!error.empty()) {
      // The hint names the command that follows, when one does.
      ParseResult result = failure(error);
      const auto named = std::find_if(args.begin() + static_cast<std::ptrdiff_t>(i), args.end(),
                                      [](const std::string& arg) { return findForm(arg); });
      if (named != args.end()) result.command = *named;
      return result;
    }
    ++i;
  }
  if (i == args.size()) return failure("no command given");
  if (auto help = helpRequest(args, i, line)) return *help;
  line.command = args[i];
  ParseResult result = parseCommand(args, i, std::move(line));
  if (!result.commandLine && findForm(args[i])) result.command = args[i];
  return result;
}

namespace {

ParseResult parseCommand(const std::vector<std::string>& args, std::size_t i, CommandLine line) {
  std::string error;
  // The command first, so that the options are judged by the command they belong to.
  const CommandForm* form = findForm(line.command);
  if (!form) {
    ParseResult unknown = failure("unknown command \"" + line.command + "\"");
    unknown.suggestion = nearestCommand(line.command).value_or("");
    return unknown;
  }
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
    } else if (arg == "--help" || arg == "-h") {
      line.helpTopic = line.command;
      line.command = "help";
      return {line, {}, {}, {}};
    } else if (takeGlobalOption(args, i, line.global, error) ||
               (find && takeFindOption(args, i, line, error))) {
      if (!error.empty()) return failure(error);
    } else if (form->json && arg == "--json") {
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
  const std::size_t given = positional.size() + (line.emptyLibrary ? 1 : 0);
  if (form->more ? given < form->positional : given != form->positional)
    return failure(std::string(form->wrongCount));
  if (form->output && line.output.empty()) return failure(line.command + " needs -o OUT.bml");
  if (importHtml) {
    if (!line.emptyLibrary) line.library = positional[0];
    line.inputs.assign(positional.begin() + (line.emptyLibrary ? 0 : 1), positional.end());
    return {line, {}, {}, {}};
  }
  if (!positional.empty()) line.library = positional[0];
  if (find) {
    line.searchText = positional[1];
    return finishFind(std::move(line));
  }
  if (positional.size() == 2) line.output = positional[1];
  return {line, {}, {}, {}};
}

}  // namespace

}  // namespace linkfold::cli
