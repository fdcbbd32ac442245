// libFuzzer target for the Netscape reader: any file must read without a crash, leave tables
// that keep the library's rules, and, where every name can be written whole, export to a file
// that reads back to the same library.

#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "LibraryInvariants.h"
#include "browsers/netscape/NetscapeReader.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "library/CLFDoc.h"
#include "platform/HeadlessUi.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "view/CLFView.h"

namespace {

using namespace linkfold;
using fuzz::require;
using fuzz::ScratchFile;

// Names the writer would cut, a nameless bookmark (which would read back with a default name),
// a URL holding a double quote (written as %22), a folder line's marker (read back as a folder
// line) or ending in a date attribute's name (found first when the line is read back) change on
// the way through a file by the file's own rules.
bool writesWhole(const CLFDoc& doc) {
  for (const FolderEntry& f : doc.folders())
    if (utf8CharCount(CLFDoc::folderDisplayName(f.path)) > 259) return false;
  return std::none_of(doc.bookmarks().begin(), doc.bookmarks().end(), [](const BookmarkRecord& b) {
    return b.name.empty() || b.url.find('"') != std::string::npos ||
           b.url.find("<DT><H3") != std::string::npos || b.url.ends_with("ADD_DATE=") ||
           b.url.ends_with("LAST_MODIFIED=") || b.url.ends_with("LAST_VISIT=");
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HeadlessUi ui;
  InMemorySettings settings;
  const ScratchFile input(data, size), output;

  CLFDoc read(ui, settings, {});
  require(read.addFolder(kRootPath, true), "no root");
  const int result = Parse_NS_File(read, input.path);
  require(result == kNetscapeReadOk || result == kNetscapeReadFatal, "unknown result");
  require(read.folderCount() > 0 && read.folder(0).path == kRootPath, "root missing");
  require(test::tableProblems(read, true));
  if (!writesWhole(read)) return 0;

  CLFView view(read, ui, settings);
  view.OnUpdate();
  require(Do_NS_Export(view, output.path, false, read.netscapeTitle()), "export failed");
  CLFDoc again(ui, settings, {});
  require(again.addFolder(kRootPath, true), "no root");
  require(Parse_NS_File(again, output.path) == kNetscapeReadOk, "the export does not read back");
  require(test::libraryContents(again) == test::libraryContents(read),
          "the export reads back to another library");
  require(again.netscapeTitle() == read.netscapeTitle(), "the title changed");
  return 0;
}
