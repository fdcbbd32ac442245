// linkfold-cli tree: the library's tree as the window fills it, one item a line.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Commands.h"
#include "library/CLFDoc.h"
#include "view/CLFView.h"

namespace linkfold::cli {

namespace {

char kindLetter(const CLFView& view, TreeItem item) {
  if (view.IsBookmarkItem(item)) return 'B';
  return view.IsLockedItem(item) ? 'L' : 'F';
}

}  // namespace

int runTree(CLFDoc& doc, std::ostream& out) {
  CLFView view(doc, doc.ui(), doc.settings());
  view.OnUpdate();
  const CSortedTreeCtrl& tree = view.tree();
  // Depth first in display order, with an explicit stack for deep libraries.
  std::vector<std::pair<TreeItem, std::size_t>> pending;
  if (tree.root() != kNoItem) pending.emplace_back(tree.root(), 0);
  std::string line;
  while (!pending.empty()) {
    const auto [item, depth] = pending.back();
    pending.pop_back();
    line.assign(depth * 2, ' ');
    line += kindLetter(view, item);
    line += ' ';
    line += tree.label(item);
    line += '\n';
    out << line;
    const auto& children = tree.children(item);
    for (auto child = children.rbegin(); child != children.rend(); ++child)
      pending.emplace_back(*child, depth + 1);
  }
  return kExitOk;
}

}  // namespace linkfold::cli
