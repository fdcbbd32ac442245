#include <gtest/gtest.h>

#include <algorithm>

#include "core/view/ViewFixture.h"
#include "platform/Settings.h"

namespace linkfold::test {
namespace {

constexpr const char* kMovedHere =
    "Folder cannot be moved here.\n\nEither the resulting path would be too long\nor a folder "
    "with the same name already exists.";
constexpr const char* kOwnSubfolder = "Folder cannot be moved to its own subfolder.";

struct ScrollLog : TreeObserver {
  std::vector<TreeItem> scrolled;
  void scrollIntoView(TreeItem item) override { scrolled.push_back(item); }
  bool saw(TreeItem item) const {
    return std::find(scrolled.begin(), scrolled.end(), item) != scrolled.end();
  }
};

class DragDrop : public ViewTest {
 protected:
  DragDrop() { view.tree().addObserver(&scrolls); }
  ~DragDrop() override { view.tree().removeObserver(&scrolls); }

  // Root: A (alpha, Beta, gamma; Sub with deep), B (beta2, zulu), C (empty).
  void buildLibrary() {
    a = folder("A\\");
    sub = folder("A\\Sub\\");
    b = folder("B\\");
    c = folder("C\\");
    bookmark(a, "alpha", "http://a/");
    beta = bookmark(a, "Beta", "http://beta/");
    bookmark(a, "gamma", "http://g/");
    bookmark(sub, "deep", "http://d/");
    bookmark(b, "beta2", "http://b2/");
    bookmark(b, "zulu", "http://z/");
    view.OnUpdate();
  }

  ScrollLog scrolls;
  std::uint32_t a = 0, sub = 0, b = 0, c = 0, beta = 0;
};

TEST_F(DragDrop, LockedFoldersCannotBeDraggedAndItemsGoneNotAtAll) {
  ASSERT_TRUE(doc.addFolder("Locked\\", true));
  view.OnUpdate();
  for (const char* path : {"Root Folder", "Root Folder/Locked"}) {
    view.tree().select(kNoItem);
    view.OnBeginDrag(item(path));
    EXPECT_FALSE(view.isDragging());
    EXPECT_EQ(view.currentItem(), item(path));  // selected all the same
  }
  view.OnBeginDrag(deadItem());
  EXPECT_FALSE(view.isDragging());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, "Locked folders cannot be moved.", Information);
  EXPECT_MESSAGE(ui, 1, "Locked folders cannot be moved.", Information);
}

TEST_F(DragDrop, MovementHighlightsItemsAndScrollsOutsideTheTree) {
  buildLibrary();
  const TreeItem zulu = item("Root Folder/B/zulu");
  view.OnDragMove({zulu, kHitOnLabel});
  EXPECT_EQ(view.tree().dropHighlight(), kNoItem) << "no drag, no feedback";
  view.OnBeginDrag(item("Root Folder/A/Beta"));
  EXPECT_EQ(view.draggedItem(), view.tree().selected());
  EXPECT_EQ(view.OnDragMove({zulu, kHitOnRight}), ScrollStep::None);
  EXPECT_EQ(view.tree().dropHighlight(), zulu);
  // Inside the tree but on no item, or on an item gone since: no step, the highlight stays.
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitNowhere}), ScrollStep::None);
  EXPECT_EQ(view.OnDragMove({deadItem(), kHitOnLabel | kHitAbove}), ScrollStep::None);
  // Outside: above, below, left, right, in that order of precedence.
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitAbove | kHitToRight}), ScrollStep::LineUp);
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitBelow | kHitToLeft}), ScrollStep::LineDown);
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitToLeft | kHitToRight}), ScrollStep::LineLeft);
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitToRight}), ScrollStep::LineRight);
  EXPECT_EQ(view.tree().dropHighlight(), zulu);
  // The pause between steps is the stored scroll rate.
  settings.write(setting::kScrollRate, 100);
  EXPECT_EQ(CLFView(doc, ui, settings).autoScrollPause(), 100);
}

TEST_F(DragDrop, BookmarkDroppedOnABookmarkOfAnotherFolderMovesIntoThatFolder) {
  buildLibrary();
  drag("Root Folder/A/gamma", "Root Folder/B/zulu");
  EXPECT_FALSE(view.isDragging());
  EXPECT_EQ(view.tree().dropHighlight(), kNoItem);
  EXPECT_EQ(view.draggedItem(), kNoItem);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(outline(),
            "L Root Folder:2{F A:2{F Sub:2{B deep}, B alpha, B Beta}, "
            "F B:2{B beta2, B gamma, B zulu}, F C:2}");
  expectTreeMatchesLibrary();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/A/Beta"));  // without Follow: a neighbour
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DragDrop, DropsThatMoveNothing) {
  buildLibrary();
  const std::string before = outline();
  const TreeItem moved = item("Root Folder/A/Beta");
  // Its own folder, a sibling, itself, no item at all, an item gone since.
  for (const HitTest& hit : std::vector<HitTest>{{item("Root Folder/A"), kHitOnLabel},
                                                 {item("Root Folder/A/gamma"), kHitOnIcon},
                                                 {moved, kHitOnLabel},
                                                 {kNoItem, kHitBelow},
                                                 {deadItem(), kHitOnLabel}}) {
    view.OnBeginDrag(moved);
    view.OnDragMove({item("Root Folder/C"), kHitOnLabel});
    view.OnDrop(hit);
    EXPECT_FALSE(view.isDragging());
    EXPECT_EQ(view.tree().dropHighlight(), kNoItem);
    EXPECT_EQ(view.tree().selected(), moved);
  }
  EXPECT_EQ(outline(), before);
  EXPECT_FALSE(doc.isModified());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DragDrop, SameBookmarkNameInOtherCaseIsRefusedAndShown) {
  buildLibrary();
  bookmark(b, "BETA", "http://other/");
  folder("C\\beta\\");  // a folder of that name does not stand in the way
  view.OnUpdate();
  const std::string before = outline();
  drag("Root Folder/A/Beta", "Root Folder/B");
  EXPECT_MESSAGE(ui, 0, "Destination folder already contains a\nbookmark with the same name.",
                 Information);
  EXPECT_TRUE(scrolls.saw(item("Root Folder/B/BETA")));
  EXPECT_TRUE(view.tree().isExpanded(item("Root Folder/B")));
  EXPECT_EQ(view.tree().selected(), item("Root Folder/A/Beta"));
  EXPECT_EQ(outline(), before);
  EXPECT_FALSE(doc.isModified());

  drag("Root Folder/A/Beta", "Root Folder/C");
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(doc.bookmark(beta).folder, c);
  EXPECT_EQ(labels("Root Folder/C"), "beta|Beta|");
}

TEST_F(DragDrop, FolderMovesWithEverythingBelowIt) {
  buildLibrary();
  view.tree().expand(item("Root Folder/A"), CSortedTreeCtrl::Expand::Expand);
  view.tree().expand(item("Root Folder/A/Sub"), CSortedTreeCtrl::Expand::Expand);
  drag("Root Folder/A", "Root Folder/B/beta2");
  EXPECT_EQ(outline(),
            "L Root Folder:2{F B:2{F A:2{F Sub:2{B deep}, B alpha, B Beta, B gamma}, B beta2, "
            "B zulu}, F C:2}");
  EXPECT_EQ(doc.folder(sub).path, "B\\A\\Sub\\");
  expectTreeMatchesLibrary();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/B/A"));
  EXPECT_TRUE(scrolls.saw(item("Root Folder/B/A")));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/B/A")));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/B/A/Sub")));
  EXPECT_TRUE(doc.isModified());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DragDrop, FolderDropsThatAreRefusedOrMoveNothing) {
  buildLibrary();
  folder("B\\sub\\");
  view.OnUpdate();
  const std::string before = outline();
  drag("Root Folder/A", "Root Folder/A/Sub");
  drag("Root Folder/A", "Root Folder/A/Sub/deep");
  drag("Root Folder/A/Sub", "Root Folder/B");        // B holds "sub"
  drag("Root Folder/A", "Root Folder/A/alpha");      // its own bookmark: silently nothing
  drag("Root Folder/A/Sub", "Root Folder/A/gamma");  // its own parent: nothing
  EXPECT_EQ(view.tree().selected(), item("Root Folder/A/Sub"));
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_MESSAGE(ui, 0, kOwnSubfolder, Information);
  EXPECT_MESSAGE(ui, 1, kOwnSubfolder, Information);
  EXPECT_MESSAGE(ui, 2, kMovedHere, Information);
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(doc.folder(sub).path, "A\\Sub\\");
  EXPECT_FALSE(doc.isModified());
}

// The old parent takes the library's rule for its state, the destination the tree's rule.
TEST_F(DragDrop, OldParentKeepsTheLibrarysStateAndTheDestinationTheTreesRule) {
  const std::uint32_t old = folder("Old\\");
  const std::uint32_t kept = folder("Old\\Kept\\");
  doc.setFolderSelection(folder("Old\\Leaving\\"), kNotSelected);
  folder("Target\\");
  doc.setFolderSelection(old, kPartlySelected);
  view.OnUpdate();
  // The last unselected sub-folder leaves; the rest is selected: Old becomes selected.
  drag("Root Folder/Old/Leaving", "Root Folder/Target");
  EXPECT_EQ(outline(), "L Root Folder:3{F Old:2{F Kept:2}, F Target:3{F Leaving:1}}");
  expectTreeMatchesLibrary();

  // Old keeps one unselected sub-folder only: the library's rule leaves Old not selected,
  // where the tree's rule would have kept it partly selected.
  doc.setFolderSelection(old, kPartlySelected);
  doc.setFolderSelection(kept, kNotSelected);
  doc.setFolderSelection(folder("Old\\Other\\"), kNotSelected);
  view.OnUpdate();
  drag("Root Folder/Old/Other", "Root Folder");
  EXPECT_EQ(outline(), "L Root Folder:3{F Old:1{F Kept:1}, F Other:1, F Target:3{F Leaving:1}}");
  expectTreeMatchesLibrary();
}

TEST_F(DragDrop, TheOldParentsAncestorsAreDerivedFromItsNewState) {
  doc.setFolderSelection(folder("X\\O\\F\\"), kNotSelected);
  folder("X\\O\\G\\");
  for (std::uint32_t f : {*doc.findFolder("X\\O\\"), *doc.findFolder("X\\"), 0u})
    doc.setFolderSelection(f, kPartlySelected);
  view.OnUpdate();
  drag("Root Folder/X/O/F", "Root Folder");
  EXPECT_EQ(outline(), "L Root Folder:3{F F:1, F X:2{F O:2{F G:2}}}");
  expectTreeMatchesLibrary();
}

// The library has moved when the tree cannot take the copy; the tree is then rebuilt from it
// rather than left showing the item where it no longer is.
TEST_F(DragDrop, ATreeThatRefusesTheCopyIsRebuiltFromTheLibrary) {
  buildLibrary();
  view.tree().setItemLimit(view.tree().itemCount());
  drag("Root Folder/A/gamma", "Root Folder/C");
  EXPECT_EQ(labels("Root Folder/C"), "gamma|");
  view.tree().setItemLimit(view.tree().itemCount() + 1);  // A's copy fits, its children do not
  drag("Root Folder/A", "Root Folder/B");
  EXPECT_EQ(outline(),
            "L Root Folder:2{F B:2{F A:2{F Sub:2{B deep}, B alpha, B Beta}, B beta2, B zulu}, "
            "F C:2{B gamma}}");
  expectTreeMatchesLibrary();
}

TEST_F(DragDrop, RightButtonCancelsAndShowsTheDraggedItem) {
  buildLibrary();
  const std::string before = outline();
  const TreeItem deep = item("Root Folder/A/Sub/deep");
  view.OnBeginDrag(deep);
  view.OnDragMove({item("Root Folder/C"), kHitOnLabel});
  view.OnCancelDrag();
  EXPECT_FALSE(view.isDragging());
  EXPECT_EQ(view.tree().dropHighlight(), kNoItem);
  EXPECT_TRUE(scrolls.saw(deep));
  EXPECT_TRUE(view.tree().isExpanded(item("Root Folder/A/Sub")));
  view.OnDrop({item("Root Folder/C"), kHitOnLabel});  // the button's release after the cancel
  EXPECT_EQ(outline(), before);
  EXPECT_FALSE(doc.isModified());
}

}  // namespace
}  // namespace linkfold::test
