// linkfold-cli dump: the two tables as one line of JSON, in table order.

#include <ostream>
#include <string>

#include "Commands.h"
#include "JsonText.h"
#include "library/CLFDoc.h"

namespace linkfold::cli {

namespace {

void appendFolder(std::string& json, const FolderEntry& folder) {
  json += "{\"path\":";
  appendJsonString(json, folder.path);
  json += ",\"parent\":" + std::to_string(folder.parent);
  json += folder.locked ? ",\"locked\":true}" : ",\"locked\":false}";
}

void appendBookmark(std::string& json, const BookmarkRecord& bookmark) {
  json += "{\"folder\":" + std::to_string(bookmark.folder);
  json += ",\"name\":";
  appendJsonString(json, bookmark.name);
  json += ",\"url\":";
  appendJsonString(json, bookmark.url);
  json += ",\"description\":";
  if (bookmark.description.empty())
    json += "null";
  else
    appendJsonString(json, bookmark.description);
  json += ",\"add\":" + std::to_string(bookmark.addDate);
  json += ",\"modified\":" + std::to_string(bookmark.modifiedDate);
  json += ",\"visit\":" + std::to_string(bookmark.visitDate) + "}";
}

}  // namespace

int runDump(CLFDoc& doc, std::ostream& out) {
  std::string json = "{\"folders\":[";
  for (std::uint32_t i = 0; i < doc.folderCount(); ++i) {
    if (i > 0) json += ',';
    appendFolder(json, doc.folder(i));
  }
  json += "],\"bookmarks\":[";
  for (std::uint32_t i = 0; i < doc.bookmarkCount(); ++i) {
    if (i > 0) json += ',';
    appendBookmark(json, doc.bookmark(i));
  }
  json += "]}\n";
  out << json;
  return kExitOk;
}

}  // namespace linkfold::cli
