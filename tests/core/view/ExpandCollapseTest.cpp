#include <gtest/gtest.h>

#include "core/view/EditFixture.h"

namespace linkfold::test {
namespace {

struct ExpansionRecorder : TreeObserver {
  void expansionChanged(TreeItem item, bool expanded) override {
    changes.emplace_back(item, expanded);
  }
  void scrollIntoView(TreeItem item) override { scrolled.push_back(item); }
  std::vector<std::pair<TreeItem, bool>> changes;
  std::vector<TreeItem> scrolled;
};

// Root
//   A    B below it, C below B
//   D    a bookmark "d"
//   E
class ExpandCollapse : public EditFixture {
 protected:
  void SetUp() override {
    folder("A\\B\\C\\");
    bookmark(folder("D\\"), "d", "http://d/");
    folder("E\\");
    view.OnUpdate();
    view.tree().addObserver(&recorder);
  }
  void TearDown() override { view.tree().removeObserver(&recorder); }

  std::vector<TreeItem> expandedFolders() {
    std::vector<TreeItem> out;
    for (const char* path : {"Root Folder", "Root Folder/A", "Root Folder/A/B", "Root Folder/A/B/C",
                             "Root Folder/D", "Root Folder/E"})
      if (view.tree().isExpanded(item(path))) out.push_back(item(path));
    return out;
  }

  ExpansionRecorder recorder;
};

TEST_F(ExpandCollapse, ExpandAllOpensTheDeepestFoldersFirst) {
  const TreeItem d = select("Root Folder/D/d");
  view.OnExpandAll();
  EXPECT_EQ(expandedFolders().size(), 6u);
  const auto at = [&](const char* path) {
    for (std::size_t i = 0; i < recorder.changes.size(); ++i)
      if (recorder.changes[i].first == item(path)) return i;
    ADD_FAILURE() << path << " was not expanded";
    return recorder.changes.size();
  };
  EXPECT_LT(at("Root Folder/A/B/C"), at("Root Folder/A/B"));
  EXPECT_LT(at("Root Folder/A/B"), at("Root Folder/A"));
  EXPECT_EQ(recorder.scrolled, std::vector<TreeItem>{d});  // the selected item, into view
  EXPECT_EQ(view.tree().selected(), d);

  view.tree().select(kNoItem);
  view.OnExpandAll();
  EXPECT_EQ(view.tree().selected(), view.tree().root());
  EXPECT_EQ(recorder.scrolled.back(), view.tree().root());
}

TEST_F(ExpandCollapse, CollapseAllLeavesOnlyTheRootOpenAndSelectsIt) {
  view.OnExpandAll();
  select("Root Folder/A/B/C");
  view.OnCollapseAll();
  EXPECT_EQ(expandedFolders(), std::vector<TreeItem>{view.tree().root()});
  EXPECT_EQ(view.tree().selected(), view.tree().root());
  EXPECT_EQ(view.currentItem(), view.tree().root());
}

}  // namespace
}  // namespace linkfold::test
