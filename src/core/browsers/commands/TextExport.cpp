#include "browsers/commands/TextExport.h"

#include <memory>

#include "library/CLFDoc.h"
#include "library/LibraryIndexes.h"
#include "platform/TextFile.h"
#include "platform/UiPort.h"

namespace linkfold {

namespace {

void writeFolders(const CLFDoc& doc, TextFile& out) {
  const BookmarksByFolder byFolder(doc.bookmarks(), doc.folderCount());
  for (std::uint32_t f = 0; f < doc.folderCount(); ++f) {
    if (doc.folder(f).selection == kNotSelected) continue;
    if (f == 0) {
      out.write("Folder: Root\n");
    } else {
      out.write("Folder: ");
      out.write(doc.folder(f).path);
      out.write("\n");
    }
    for (const std::uint32_t b : byFolder.of(f)) {
      out.write("  Title: ");
      out.write(doc.bookmark(b).name);
      out.write("\n    URL: ");
      out.write(doc.bookmark(b).url);
      out.write("\n");
    }
    if (byFolder.of(f).empty()) out.write("  Folder contains no bookmarks.\n");
  }
}

}  // namespace

bool writeTextExport(const CLFDoc& doc, const std::string& path) {
  std::string error;
  const std::unique_ptr<TextFile> out = TextFile::create(path, &error);
  if (!out) {
    doc.ui().showMessage(
        {"Could not create or replace\n" + path + "\n" + error, MessageIcon::None});
    return false;
  }
  writeFolders(doc, *out);
  if (!out->close()) {
    doc.ui().showMessage(
        {"Could not write " + path + "\n" + out->error(), MessageIcon::Exclamation});
    return false;
  }
  return true;
}

}  // namespace linkfold
