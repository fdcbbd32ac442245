#pragma once
// The commands of linkfold-cli. Each returns the process exit status.

#include <ostream>

#include "CommandLine.h"

namespace linkfold::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitLoadFailed = 2;

int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace linkfold::cli
