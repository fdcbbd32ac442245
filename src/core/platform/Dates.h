#pragma once
// Local-time formatting with fixed English names, whatever the process locale says.

#include <cstdint>
#include <ctime>
#include <string>

namespace linkfold {

// "%m/%d/%y %H:%M:%S", e.g. "12/06/26 18:32:47" (the import log's header).
std::string formatShortDateTime(std::time_t when);
// "%A, %B %d, %Y %H:%M:%S", e.g. "Sunday, December 06, 2026 18:32:47". Empty when the time
// cannot be converted.
std::string formatLongDateTime(std::time_t when);

}  // namespace linkfold
