#pragma once
// Finds tree items by their labels, for the core's and the window's tests alike.

#include <sstream>
#include <string>

#include "view/CSortedTreeCtrl.h"

namespace linkfold::test {

// The item reached from the root item by labels separated by "/"; "" is the root itself, and
// kNoItem stands for a label that is not there.
inline TreeItem itemAt(const CSortedTreeCtrl& tree, const std::string& path) {
  TreeItem current = tree.root();
  std::istringstream parts(path);
  for (std::string part; current != kNoItem && std::getline(parts, part, '/');) {
    TreeItem found = kNoItem;
    for (TreeItem child : tree.children(current))
      if (found == kNoItem && tree.label(child) == part) found = child;
    current = found;
  }
  return current;
}

}  // namespace linkfold::test
