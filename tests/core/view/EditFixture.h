#pragma once
// The tree view with helpers for driving its editing commands and checking that the tree and
// the library are still in step afterwards.

#include <string>
#include <vector>

#include "core/view/ViewFixture.h"
#include "view/EditDialogs.h"

namespace linkfold::test {

struct EditFixture : ::testing::Test, ViewFixture {
  explicit EditFixture(BrowserDetection browsers = {}) : ViewFixture(std::move(browsers)) {}

  TreeItem select(const std::string& labelPath) {
    const TreeItem i = item(labelPath);
    view.tree().select(i);
    return i;
  }

  // Scripts the Rename dialog: each text is typed and confirmed with OK, then Cancel follows
  // when asked for. What the dialog showed before each step lands in `renameShown`.
  void typeInRename(const std::vector<std::string>& typed, bool thenCancel = false) {
    for (const std::string& text : typed)
      ui.onDialog<CRenameDlg>([this, text](CRenameDlg& dialog) {
        renameShown.push_back(dialog.name);
        dialog.name = text;
        return true;
      });
    if (thenCancel)
      ui.onDialog<CRenameDlg>([this](CRenameDlg& dialog) {
        renameShown.push_back(dialog.name);
        return false;
      });
  }
  std::vector<std::string> renameShown;

  // Every item's data names the library entry its label shows, every folder item's check box
  // shows its folder's state, and the tree holds every entry of both tables.
  void expectTreeMatchesLibrary() {
    std::size_t folders = 0, bookmarks = 0;
    std::vector<TreeItem> pending{view.tree().root()};
    while (!pending.empty()) {
      const TreeItem i = pending.back();
      pending.pop_back();
      const auto& tree = view.tree();
      const std::uint32_t data = tree.data(i);
      if (view.IsBookmarkItem(i)) {
        ++bookmarks;
        ASSERT_LT(data, doc.bookmarkCount());
        EXPECT_EQ(doc.bookmark(data).name, tree.label(i));
        EXPECT_EQ(doc.bookmark(data).folder, tree.data(tree.parent(i))) << tree.label(i);
        continue;
      }
      ++folders;
      ASSERT_LT(data, doc.folderCount());
      EXPECT_EQ(CLFDoc::folderDisplayName(doc.folder(data).path), tree.label(i));
      EXPECT_EQ(doc.folder(data).selection, tree.state(i)) << tree.label(i);
      if (data != 0) {
        EXPECT_EQ(doc.folder(data).parent, tree.data(tree.parent(i)));
      }
      for (TreeItem c : tree.children(i)) pending.push_back(c);
    }
    EXPECT_EQ(folders, doc.folderCount());
    EXPECT_EQ(bookmarks, doc.bookmarkCount());
  }
};

}  // namespace linkfold::test
