// linkfold-cli weed: the groups of bookmarks that share a URL, as the Weed Duplicates dialog
// lists them.

#include <ostream>

#include "Commands.h"
#include "JsonText.h"
#include "library/CLFDoc.h"
#include "tools/DuplicateUrls.h"
#include "tools/WeedDialog.h"

namespace linkfold::cli {

namespace {

void printJson(const WeedDialog& dialog, std::ostream& out) {
  std::string json = "[";
  bool firstInGroup = true;
  for (std::size_t row = 0; row < dialog.rows().size(); ++row) {
    if (dialog.rows()[row].isGroup()) {
      json += row == 0 ? "{\"url\":" : "]},{\"url\":";
      appendJsonString(json, dialog.cellText(row, 0));
      json += ",\"bookmarks\":[";
      firstInGroup = true;
      continue;
    }
    json += firstInGroup ? "{\"folder\":" : ",{\"folder\":";
    appendJsonString(json, dialog.cellText(row, 0));
    json += ",\"name\":";
    appendJsonString(json, dialog.cellText(row, 1));
    json += '}';
    firstInGroup = false;
  }
  out << json << (dialog.rows().empty() ? "]\n" : "]}]\n");
}

}  // namespace

int runWeed(CLFDoc& doc, bool json, std::ostream& out) {
  DuplicateSearch search(doc.bookmarkCount());
  search.run(doc);
  const WeedDialog dialog(doc, search.list, search.groups, doc.settings());
  if (json) {
    printJson(dialog, out);
    return kExitOk;
  }
  for (std::size_t row = 0; row < dialog.rows().size(); ++row) {
    if (dialog.rows()[row].isGroup())
      out << "URL " << dialog.cellText(row, 0) << '\n';
    else
      out << "  " << dialog.cellText(row, 0) << '\t' << dialog.cellText(row, 1) << '\n';
  }
  return kExitOk;
}

}  // namespace linkfold::cli
