// libFuzzer target for the library loader: any bytes must load without a crash, leave tables
// that keep the library's rules, and save into a file that loads back to the same tables.

#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "LibraryInvariants.h"
#include "library/CLFDoc.h"
#include "platform/HeadlessUi.h"
#include "platform/Settings.h"

using namespace linkfold;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HeadlessUi ui;
  InMemorySettings settings;
  CLFDoc loaded(ui, settings, {});
  loaded.Serialize(std::string_view(reinterpret_cast<const char*>(data), size));
  require(linkfold::test::loadedLibraryProblems(loaded));
  CLFDoc reloaded(ui, settings, {});
  require(linkfold::test::roundTripProblems(loaded, reloaded));
  return 0;
}
