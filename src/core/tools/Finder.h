#pragma once
// Find Bookmark and Find Next: walk the tree's items in the order the tree shows them, through
// collapsed folders too, and select the next bookmark whose name or URL holds the search text.
// One Finder lives beside the view and keeps the find settings between searches.

#include <utility>

#include "tools/FindDialog.h"
#include "view/CLFView.h"

namespace linkfold {

class Finder {
 public:
  explicit Finder(CLFView& view) : view_(view) {}

  const FindSettings& settings() const { return settings_; }
  void setSettings(FindSettings settings) { settings_ = std::move(settings); }

  // Enabled when the library holds a bookmark.
  CommandState OnUpdateFind() const;
  // Runs the dialog; on OK searches from the root item or from the selected item.
  void OnFind();
  // Enabled when a search text is remembered and the library holds a bookmark.
  CommandState OnUpdateFindNext() const;
  // Searches again from the item after the selected one, without the dialog.
  void OnFindNext();

  // Tests the start item and every item after it; selects and shows the first matching
  // bookmark. Folders are passed through, never matched. False when none matches.
  bool FindFrom(TreeItem start);
  // The item after `item` in pre-order (first child, else next sibling, else the next sibling
  // of the nearest ancestor that has one), or no item.
  TreeItem NextTreeItem(TreeItem item) const;

 private:
  void findOrSayNone(TreeItem start);

  CLFView& view_;
  FindSettings settings_;
};

}  // namespace linkfold
