// linkfold-cli weed: the groups of bookmarks that share a URL, as the Weed Duplicates dialog
// lists them.

#include <ostream>

#include "Commands.h"
#include "library/CLFDoc.h"
#include "tools/DuplicateUrls.h"
#include "tools/WeedDialog.h"

namespace linkfold::cli {

int runWeed(CLFDoc& doc, std::ostream& out) {
  DuplicateSearch search(doc.bookmarkCount());
  search.run(doc);
  const WeedDialog dialog(doc, search.list, search.groups, doc.settings());
  for (std::size_t row = 0; row < dialog.rows().size(); ++row) {
    if (dialog.rows()[row].isGroup())
      out << "URL " << dialog.cellText(row, 0) << '\n';
    else
      out << "  " << dialog.cellText(row, 0) << '\t' << dialog.cellText(row, 1) << '\n';
  }
  return kExitOk;
}

}  // namespace linkfold::cli
