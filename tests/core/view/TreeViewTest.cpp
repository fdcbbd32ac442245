// The tree view outside its editing commands: filling, renumbering, check boxes, clicks and
// the context menu, Expand All and Collapse All, and the view's options.

#include <gtest/gtest.h>

#include <set>

#include "core/view/ViewFixture.h"
#include "platform/Settings.h"

namespace linkfold::test {
namespace {

using FillTree = ViewTest;

// Labels that compare equal (ignoring case, or alike in their first 259 characters) keep the
// order in which filling finds them: table order, for folders as for bookmarks.
TEST_F(FillTree, EqualLabelsKeepTheirTableOrderThroughRebuilds) {
  const std::string shared(259, 'x');
  const auto f = folder("F\\");
  for (const char* tail : {"b", "a", "c"}) folder("F\\" + shared + tail + "\\");
  for (const char* name : {"same", "SAME", "Same"})
    bookmark(f, name, "http://" + std::string(name));
  for (int rebuild = 0; rebuild < 2; ++rebuild) {
    view.OnUpdate();
    const auto& items = view.tree().children(item("F"));
    ASSERT_EQ(items.size(), 6u);
    for (std::uint32_t i = 0; i < 3; ++i) {
      EXPECT_EQ(view.tree().data(items[i]), f + 1 + i) << rebuild;
      EXPECT_EQ(view.tree().data(items[3 + i]), i) << rebuild;
    }
  }
}

TEST_F(FillTree, ItemsCarryImagesStatesAndIndexesOfTheLibrary) {
  const auto open = folder("Open\\");
  ASSERT_TRUE(doc.addFolder("Open\\Shut\\", true));
  doc.setFolderSelection(folder("Off\\"), kNotSelected);
  doc.setFolderSelection(open, kPartlySelected);
  bookmark(*doc.findFolder("Open\\Shut\\"), "inside", "http://i/");
  view.OnUpdate();
  EXPECT_EQ(outline(), "L Root Folder:2{F Off:1, F Open:3{L Shut:2{B inside}}}");
  expectTreeMatchesLibrary();
  EXPECT_EQ(view.tree().selectedImage(item("Open/Shut")), kImageLockedFolder);
  EXPECT_EQ(view.tree().selectedImage(item("Open/Shut/inside")), kImageBookmark);
  EXPECT_EQ(view.tree().state(item("Open/Shut/inside")), 0u);
  for (const FolderEntry& f : doc.folders()) EXPECT_EQ(f.listed, 1u) << f.path;
}

TEST_F(FillTree, AfterARebuildOnlyTheRootIsExpandedAndCurrent) {
  buildLibrary();
  view.tree().ensureVisible(item("A/Sub/deep"));
  select("A/Sub");
  view.OnUpdate();
  EXPECT_EQ(view.currentItem(), item(""));
  EXPECT_TRUE(view.tree().isExpanded(item("")));
  EXPECT_FALSE(view.tree().isExpanded(item("A")));
  EXPECT_EQ(ui.waitCursorDepth, 0);
  EXPECT_GT(ui.waitCursorShown, 0);
  // An empty library gives an empty tree, without a current item or a message.
  doc.DeleteContents();
  view.OnUpdate();
  EXPECT_EQ(view.tree().itemCount(), 0u);
  EXPECT_EQ(view.currentItem(), kNoItem);
  EXPECT_TRUE(ui.messages.empty());
}

// How far each renumbering walk reaches; the Delete tests cover removals from the library.
TEST_F(FillTree, RenumberingReachesOnlyWhatLiesBelowOrAfterTheStartItem) {
  buildLibrary();
  const auto dataOf = [&](std::initializer_list<const char*> paths) {
    std::string out;
    for (const char* p : paths) out += std::to_string(view.tree().data(item(p))) + " ";
    return out;
  };
  // Bookmarks below A only; folder items carry folder indexes and stay.
  view.RenumberBookmarkItems(item("A"), 1);
  view.RenumberBookmarkItems(deadItem(), 1);  // an item gone: nothing
  EXPECT_EQ(dataOf({"A", "A/Sub", "A/alpha", "A/Beta", "A/gamma", "A/Sub/deep", "B/zulu", "top"}),
            "1 2 0 0 1 2 5 6 ");
  // B and the items after it, with everything below them; bookmark items stay.
  view.RenumberFolderItems(item("B"), 2);
  view.RenumberFolderItems(deadItem(), 2);
  EXPECT_EQ(dataOf({"", "A", "A/Sub", "B", "C", "L", "B/zulu", "top"}), "0 1 2 2 3 4 5 6 ");
}

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
