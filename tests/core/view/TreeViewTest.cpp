// The tree view outside its editing commands and the scenarios: check boxes, clicks and the
// context menu, Expand All and Collapse All, and the view's options.

#include <gtest/gtest.h>

#include <set>

#include "core/view/ViewFixture.h"
#include "platform/Settings.h"

namespace linkfold::test {
namespace {

class StandardTree : public ViewTest {
 protected:
  void SetUp() override { buildLibrary(); }
};

using CheckBoxes = StandardTree;

TEST_F(CheckBoxes, ClicksAndKeysThatToggleNothing) {
  // The root is grey, so a stray write to the root's folder would show.
  view.OnClick({item("A/Sub"), kHitOnStateIcon});
  const std::string before = outline();
  for (unsigned flags : {kHitOnLabel, kHitOnIcon, kHitOnIndent, kHitOnButton, kHitOnRight})
    view.OnClick({item("A"), flags});
  view.OnClick({kNoItem, kHitBelow});
  // A bookmark has no check box; its item data is not a folder index.
  view.OnClick({item("top"), kHitOnStateIcon});
  const TreeItem dead = deadItem();
  view.OnClick({dead, kHitOnStateIcon});
  view.SetFolderCheck(dead, true);
  view.UpdateParentChecks(dead);
  select("A/alpha");
  EXPECT_EQ(view.OnSpaceKey(), 0);
  view.tree().select(kNoItem);
  EXPECT_EQ(view.OnSpaceKey(), 0);
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(view.tree().state(item("top")), 0u);
  expectTreeMatchesLibrary();
}

// Cut, Rename, Delete, New Folder and Properties (XRDNP) are offered on the context menu where
// they apply, and the item becomes selected; a bookmark's Open differs from a folder's Open All.
TEST_F(StandardTree, TheContextMenuDependsOnTheKindOfItemAndSelectsIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"top", "XRDNP"}, {"A", "RN"}, {"B", "RN"},  // bookmarks count as children
      {"C", "RDN"},     {"L", "N"},  {"", "N"}};   // locked, and the root
  const std::uint32_t ids[] = {kCmdCut, kCmdRename, kCmdDelete, kCmdNewFolder, kCmdProperties};
  std::set<std::string> openTexts;
  for (const auto& [path, offered] : cases) {
    const std::vector<MenuEntry> entries = view.OnRightClick({item(path), kHitOnLabel});
    std::string got;
    for (const MenuEntry& e : entries)
      for (int i = 0; i < 5; ++i)
        if (e.id == ids[i]) got += "XRDNP"[i];
    EXPECT_EQ(got, offered) << path;
    EXPECT_EQ(view.currentItem(), item(path));
    openTexts.insert(entries.front().text);
  }
  EXPECT_EQ(openTexts.size(), 2u);
  // Nothing hit, or an item gone since: no menu, and the selection stays.
  for (TreeItem nothing : {kNoItem, deadItem()})
    EXPECT_TRUE(view.OnRightClick({nothing, kHitOnLabel}).empty());
  EXPECT_EQ(view.tree().selected(), item(""));
}

TEST_F(StandardTree, DoubleClickOpensPropertiesOnlyForABookmarkHitOnItsIconLabelOrBox) {
  const TreeItem zulu = item("B/zulu");
  for (const HitTest& hit : std::vector<HitTest>{{zulu, kHitOnIndent},
                                                 {zulu, kHitOnRight},
                                                 {item("C"), kHitOnLabel},
                                                 {kNoItem, kHitBelow},
                                                 {deadItem(), kHitOnLabel}})
    view.OnDoubleClick(hit);
  EXPECT_EQ(ui.dialogsShown, 0);
  for (unsigned flags : {kHitOnIcon, kHitOnLabel, kHitOnStateIcon}) {
    select("");
    ui.onDialog<CPropertiesDlg>([](CPropertiesDlg& dialog) {
      EXPECT_EQ(dialog.name, "zulu");  // the dialog is about the bookmark that was hit
      return false;
    });
    view.OnDoubleClick({zulu, flags});
  }
  EXPECT_EQ(ui.dialogsShown, 3);
}

TEST_F(StandardTree, ExpandAllOpensTheDeepestFoldersFirstAndCollapseAllLeavesTheRoot) {
  const auto expandedFolders = [&] {
    std::string out;
    for (const char* path : {"", "A", "A/Sub", "B", "C", "L"})
      if (view.tree().isExpanded(item(path))) out += std::string(path) + "|";
    return out;
  };
  const TreeItem zulu = select("B/zulu");
  view.OnExpandAll();
  EXPECT_EQ(expandedFolders(), "|A|A/Sub|B|C|L|");
  const auto& order = treeLog.expanded;
  EXPECT_LT(std::find(order.begin(), order.end(), item("A/Sub")),
            std::find(order.begin(), order.end(), item("A")));
  EXPECT_EQ(treeLog.scrolled, std::vector<TreeItem>{zulu});
  EXPECT_EQ(view.tree().selected(), zulu);
  view.tree().select(kNoItem);  // without a selection the root becomes selected
  view.OnExpandAll();
  EXPECT_EQ(treeLog.scrolled.back(), item(""));
  select("A/Sub/deep");
  view.OnCollapseAll();
  EXPECT_EQ(expandedFolders(), "|");
  EXPECT_EQ(view.currentItem(), item(""));
}

TEST(ViewOptions, ScrollDelayOutOfRangeIsCorrectedAndWrittenBackAtOnce) {
  const int cases[][3] = {{250, 100, 1}, {-5, 0, 1}, {100, 100, 0}, {0, 0, 0}};
  for (const auto& [stored, expected, writes] : cases) {
    InMemorySettings settings;
    settings.write(setting::kScrollRate, stored);
    EXPECT_EQ(ViewOptions::read(settings).scrollDelay, expected) << stored;
    EXPECT_EQ(settings.writeCount(), 1 + writes) << stored;
    EXPECT_EQ(settings.read(setting::kScrollRate), expected) << stored;
  }
}

// The first run's defaults write nothing; the view writes the three toggled flags, and only
// those, when it ends.
TEST(ViewOptions, TheTogglesFlipTheirFlagsWhichAreWrittenWhenTheViewEnds) {
  FakeUi ui;
  InMemorySettings settings;
  CLFDoc doc(ui, settings, std::string());
  {
    CLFView view(doc, ui, settings);
    ViewOptions& o = view.options();
    // Follow starts switched on for new settings.
    EXPECT_TRUE(o.confirmBookmarkDelete && o.confirmFolderDelete && o.follow && !o.scrollDelay);
    for (auto toggle :
         {ViewToggle::ConfirmBookmarkDelete, ViewToggle::Follow, ViewToggle::ConfirmFolderDelete})
      o.toggle(toggle);
    o.scrollDelay = 70;
    EXPECT_EQ(settings.writeCount(), 0);
  }
  EXPECT_EQ(settings.read(setting::kConfirmBookmarkDel), 0);
  EXPECT_EQ(settings.read(setting::kConfirmFolderDel), 0);
  EXPECT_EQ(settings.read(setting::kFollow), 0);
  EXPECT_FALSE(ViewOptions::read(settings).follow);            // an existing setting is kept
  EXPECT_FALSE(settings.contains(setting::kScrollRate.name));  // written by its own command
  EXPECT_EQ(settings.writeCount(), 3);
  settings.write(setting::kConfirmFolderDel, 7);  // any value but 0 is on
  EXPECT_TRUE(ViewOptions::read(settings).confirmFolderDelete);
}

}  // namespace
}  // namespace linkfold::test
