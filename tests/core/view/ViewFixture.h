#pragma once
// A library with its tree view, wired to the scripted UI and in-memory settings.

#include <sstream>
#include <string>

#include "core/library/LibraryFixture.h"
#include "view/CLFView.h"

namespace linkfold::test {

struct ViewFixture : LibraryFixture {
  explicit ViewFixture(BrowserDetection browsers = {}) : LibraryFixture(std::move(browsers)) {
    EXPECT_TRUE(doc.addFolder("\\", true));
  }

  // The item reached by labels separated by "/", from the root item: "Root Folder/News/x".
  TreeItem item(const std::string& labelPath) {
    std::istringstream parts(labelPath);
    std::string part;
    TreeItem current = kNoItem;
    while (std::getline(parts, part, '/')) {
      TreeItem found = kNoItem;
      for (TreeItem c : view.tree().children(current))
        if (view.tree().label(c) == part) found = c;
      if (found == kNoItem) {
        ADD_FAILURE() << "no item " << labelPath;
        return kNoItem;
      }
      current = found;
    }
    return current;
  }

  // One item a line, indented two spaces a level: "F label", "L label" or "B label", with the
  // state image of folders after a colon, e.g. "F News:2".
  std::string outline() const { return outline(view.tree().root(), 0); }

  CLFView view{doc, ui, settings};

 private:
  std::string outline(TreeItem item, int depth) const {
    if (item == kNoItem) return {};
    const auto& tree = view.tree();
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    const int image = tree.image(item);
    line += image == kImageBookmark ? "B " : image == kImageLockedFolder ? "L " : "F ";
    line += tree.label(item);
    if (image != kImageBookmark) line += ":" + std::to_string(tree.state(item));
    line += "\n";
    for (TreeItem c : tree.children(item)) line += outline(c, depth + 1);
    return line;
  }
};

}  // namespace linkfold::test
