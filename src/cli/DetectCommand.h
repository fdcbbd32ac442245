#pragma once
// What `detect` prints, and the one-run choice of today's browsers' sources.

#include <ostream>
#include <string>

#include "CommandLine.h"
#include "browsers/sources/BrowserSource.h"
#include "library/BrowserDetection.h"

namespace linkfold::cli {

void printDetect(bool json, const BrowserDetection& found, const BrowserSources& sources,
                 std::ostream& out);

// Applies --source and --no-sources to the sources found; false with `error` set when a
// --source names none of them.
bool chooseForThisRun(const GlobalOptions& options, BrowserSources& sources, std::string& error);

}  // namespace linkfold::cli
