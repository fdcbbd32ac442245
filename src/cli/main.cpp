// linkfold-cli: the library's command-line front end.

#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"

int main(int argc, char** argv) {
  using namespace linkfold::cli;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParseResult parsed = parseCommandLine(args);
  if (!parsed.commandLine) {
    std::cerr << "linkfold-cli: " << parsed.error << "\n\n" << kUsage;
    return kExitUsage;
  }
  return runCommand(*parsed.commandLine, std::cout, std::cerr);
}
