// linkfold-cli find: every bookmark that Find and then Find Next select, from the root item.

#include <ostream>
#include <string>

#include "Commands.h"
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
  for (bool found = finder.FindFrom(tree.root()); found;
       found = finder.FindFrom(finder.NextTreeItem(tree.selected()))) {
    const BookmarkRecord& bookmark = doc.bookmark(tree.data(tree.selected()));
    out << doc.folder(bookmark.folder).path << '\t' << bookmark.name << '\t' << bookmark.url
        << '\n';
  }
  return kExitOk;
}

}  // namespace linkfold::cli
