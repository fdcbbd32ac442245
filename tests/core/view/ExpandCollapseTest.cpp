#include <gtest/gtest.h>

#include <algorithm>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

struct ExpansionRecorder : TreeObserver {
  void expansionChanged(TreeItem item, bool) override { expanded.push_back(item); }
  void scrollIntoView(TreeItem item) override { scrolled.push_back(item); }
  std::vector<TreeItem> expanded, scrolled;
};

// Root: A (B below it, C below B), D (a bookmark "d"), E.
class ExpandCollapse : public ViewTest {
 protected:
  void SetUp() override {
    folder("A\\B\\C\\");
    bookmark(folder("D\\"), "d", "http://d/");
    folder("E\\");
    view.OnUpdate();
    view.tree().addObserver(&recorder);
  }
  void TearDown() override { view.tree().removeObserver(&recorder); }

  std::string expandedFolders() {
    std::string out;
    for (const char* path : {"", "/A", "/A/B", "/A/B/C", "/D", "/E"})
      if (view.tree().isExpanded(item(std::string("Root Folder") + path)))
        out += std::string(path) + "|";
    return out;
  }
  std::size_t positionOf(const std::string& path) {
    const auto& list = recorder.expanded;
    return static_cast<std::size_t>(std::find(list.begin(), list.end(), item(path)) - list.begin());
  }

  ExpansionRecorder recorder;
};

TEST_F(ExpandCollapse, ExpandAllOpensTheDeepestFoldersFirstAndShowsTheSelection) {
  const TreeItem d = select("Root Folder/D/d");
  view.OnExpandAll();
  EXPECT_EQ(expandedFolders(), "|/A|/A/B|/A/B/C|/D|/E|");
  EXPECT_LT(positionOf("Root Folder/A/B/C"), positionOf("Root Folder/A/B"));
  EXPECT_LT(positionOf("Root Folder/A/B"), positionOf("Root Folder/A"));
  EXPECT_EQ(recorder.scrolled, std::vector<TreeItem>{d});
  EXPECT_EQ(view.tree().selected(), d);
  // Without a selection the root becomes selected.
  view.tree().select(kNoItem);
  view.OnExpandAll();
  EXPECT_EQ(view.tree().selected(), view.tree().root());
  EXPECT_EQ(recorder.scrolled.back(), view.tree().root());
}

TEST_F(ExpandCollapse, CollapseAllLeavesOnlyTheRootOpenAndSelectsIt) {
  view.OnExpandAll();
  select("Root Folder/A/B/C");
  view.OnCollapseAll();
  EXPECT_EQ(expandedFolders(), "|");
  EXPECT_EQ(view.currentItem(), view.tree().root());
}

}  // namespace
}  // namespace linkfold::test
