// linkfold-cli find: every bookmark that Find and then Find Next select, from the root item.

#include <ostream>
#include <string>

#include "Commands.h"
#include "JsonText.h"
#include "library/CLFDoc.h"
#include "tools/Finder.h"
#include "view/CLFView.h"

namespace linkfold::cli {

namespace {

FindLookIn lookInOf(LookIn lookIn) {
  switch (lookIn) {
    case LookIn::Name:
      return FindLookIn::NameOnly;
    case LookIn::Url:
      return FindLookIn::UrlOnly;
    case LookIn::Both:
      break;
  }
  return FindLookIn::NameAndUrl;
}

}  // namespace

int runFind(CLFDoc& doc, const CommandLine& line, std::ostream& out) {
  CLFView view(doc, doc.ui(), doc.settings());
  view.OnUpdate();
  Finder finder(view);
  finder.setSettings(
      {line.searchText, lookInOf(line.lookIn), line.ignoreCase, FindStartAt::RootFolder});
  const CSortedTreeCtrl& tree = view.tree();
  std::size_t matches = 0;
  std::string json = "[";
  for (bool found = finder.FindFrom(tree.root()); found;
       found = finder.FindFrom(finder.NextTreeItem(tree.selected()))) {
    const BookmarkRecord& bookmark = doc.bookmark(tree.data(tree.selected()));
    const std::string& folder = doc.folder(bookmark.folder).path;
    if (!line.json) {
      out << folder << '\t' << bookmark.name << '\t' << bookmark.url << '\n';
    } else {
      json += matches > 0 ? ",{\"folder\":" : "{\"folder\":";
      appendJsonString(json, folder);
      json += ",\"name\":";
      appendJsonString(json, bookmark.name);
      json += ",\"url\":";
      appendJsonString(json, bookmark.url);
      json += '}';
    }
    ++matches;
  }
  if (line.json) out << json << "]\n";
  return matches > 0 ? kExitOk : kExitNoMatch;
}

}  // namespace linkfold::cli
