// linkfold-cli: the library's command-line front end.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "platform/SafeFile.h"

namespace {

// Flushes and closes standard output and standard error; a write that failed (a full disk, a
// closed pipe, /dev/full) turns the exit status into a failure, with a message while standard
// error can still take one.
int closeStandardStreams(int status) {
  using linkfold::cli::kExitFailed;
  // errno still holds the reason of a write that failed earlier, when one did.
  std::cout.flush();
  const bool outOk = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
  const int outError = outOk ? 0 : errno;
  const bool outClosed = std::fclose(stdout) == 0;
  if (!outOk || !outClosed) {
    const int code = outError ? outError : errno ? errno : EIO;
    std::cerr << "linkfold-cli: standard output could not be written: "
              << linkfold::systemReason(code) << '\n';
    status = kExitFailed;
  }
  std::cerr.flush();
  if (!std::cerr.good() || std::fflush(stderr) != 0 || std::ferror(stderr) ||
      std::fclose(stderr) != 0)
    status = kExitFailed;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace linkfold::cli;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParseResult parsed = parseCommandLine(args);
  if (!parsed.commandLine) {
    std::cerr << usageErrorText(parsed);
    return closeStandardStreams(kExitUsage);
  }
  return closeStandardStreams(runCommand(*parsed.commandLine, std::cout, std::cerr));
}
