// libFuzzer target for the Chromium reader: any file must read or be refused with a fatal
// entry, without a crash, and leave tables that keep the library's rules.

#include <cstdint>

#include "FuzzSupport.h"
#include "LibraryInvariants.h"
#include "browsers/chromium/ChromiumBookmarksReader.h"
#include "library/CLFDoc.h"
#include "platform/HeadlessUi.h"
#include "platform/Settings.h"

using namespace linkfold;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HeadlessUi ui;
  InMemorySettings settings;
  const fuzz::ScratchFile input(data, size);

  CLFDoc doc(ui, settings, {});
  require(doc.addFolder(kRootPath, true), "no root");
  const bool read = Read_Chromium_Bookmarks(doc, input.path, "Chromium");
  require(read || doc.adjustmentFlag(), "a refused file without a logged entry");
  require(test::tableProblems(doc));
  for (const BookmarkRecord& b : doc.bookmarks()) {
    require(!b.url.empty(), "a bookmark without its address");
    // Only an address of blanks leaves no default name.
    require(!b.name.empty() || doc.cleanItemName(b.url).empty(), "a bookmark without a name");
  }
  return 0;
}
