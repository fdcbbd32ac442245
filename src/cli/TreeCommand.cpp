// linkfold-cli tree: the library's tree as the window fills it, one item a line.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Commands.h"
#include "JsonText.h"
#include "library/CLFDoc.h"
#include "view/CLFView.h"

namespace linkfold::cli {

namespace {

char kindLetter(const CLFView& view, TreeItem item) {
  if (view.IsBookmarkItem(item)) return 'B';
  return view.IsLockedItem(item) ? 'L' : 'F';
}

const char* kindName(const CLFView& view, TreeItem item) {
  if (view.IsBookmarkItem(item)) return "bookmark";
  return view.IsLockedItem(item) ? "locked" : "folder";
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

int runTreeJson(CLFDoc& doc, std::ostream& out) {
  CLFView view(doc, doc.ui(), doc.settings());
  view.OnUpdate();
  const CSortedTreeCtrl& tree = view.tree();
  struct Open {
    TreeItem item;
    std::size_t nextChild;
  };
  std::string json;
  const auto openItem = [&](TreeItem item) {
    json += "{\"kind\":\"";
    json += kindName(view, item);
    json += "\",\"label\":";
    appendJsonString(json, tree.label(item));
    if (view.IsBookmarkItem(item)) {
      json += '}';
      return false;
    }
    json += ",\"items\":[";
    return true;
  };
  // Depth first with an explicit stack: a deep library cannot exhaust the call stack.
  std::vector<Open> stack;
  if (tree.root() == kNoItem)
    json += "null";
  else if (openItem(tree.root()))
    stack.push_back({tree.root(), 0});
  while (!stack.empty()) {
    Open& top = stack.back();
    const auto& children = tree.children(top.item);
    if (top.nextChild == children.size()) {
      json += "]}";
      stack.pop_back();
      continue;
    }
    if (top.nextChild > 0) json += ',';
    const TreeItem child = children[top.nextChild++];
    if (openItem(child)) stack.push_back({child, 0});
    if (json.size() >= (1u << 16)) {
      out << json;
      json.clear();
    }
  }
  out << json << '\n';
  return kExitOk;
}

}  // namespace linkfold::cli
