#pragma once
// The command line of linkfold-cli, parsed into a plain struct.

#include <optional>
#include <string>
#include <vector>

namespace linkfold::cli {

enum class LookIn { Both, Name, Url };

struct CommandLine {
  std::string command;  // "dump", "tree", "find", "weed", or "help"
  std::string library;  // LIB.bml
  std::string searchText;
  LookIn lookIn = LookIn::Both;
  bool ignoreCase = false;
};

struct ParseResult {
  std::optional<CommandLine> commandLine;
  std::string error;  // set when commandLine is empty
};

ParseResult parseCommandLine(const std::vector<std::string>& args);
extern const char* const kUsage;

}  // namespace linkfold::cli
