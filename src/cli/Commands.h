#pragma once
// The commands of linkfold-cli. Each returns the process exit status.

#include <ostream>

#include "CommandLine.h"

namespace linkfold::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
// find: nothing matched.
inline constexpr int kExitNoMatch = 1;
// The library could not be loaded, or the operation failed or met a critical error.
inline constexpr int kExitFailed = 2;

int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
// new, open, import-html, export-html, export-text, export-favorites and detect.
int runBrowserCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace linkfold::cli
