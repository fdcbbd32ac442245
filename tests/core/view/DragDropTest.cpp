#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "platform/Settings.h"

namespace linkfold::test {
namespace {

using enum MessageIcon;

class DragDrop : public ViewTest {
 protected:
  void SetUp() override { buildLibrary(); }
};

TEST_F(DragDrop, LockedFoldersCannotBeDraggedAndItemsGoneNotAtAll) {
  for (const char* path : {"", "L"}) {
    view.tree().select(kNoItem);
    view.OnBeginDrag(item(path));
    EXPECT_FALSE(view.isDragging());
    EXPECT_EQ(view.currentItem(), item(path));  // selected all the same
  }
  view.OnBeginDrag(deadItem());
  EXPECT_FALSE(view.isDragging());
  expectMessages(ui, ShownMessages(2, {Information, "Locked"}));
}

TEST_F(DragDrop, MovementHighlightsItemsAndScrollsOutsideTheTree) {
  const TreeItem zulu = item("B/zulu");
  view.OnDragMove({zulu, kHitOnLabel});
  EXPECT_EQ(view.tree().dropHighlight(), kNoItem) << "no drag, no feedback";
  view.OnBeginDrag(item("A/Beta"));
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
  settings.write(setting::kScrollRate, 100);  // the pause between steps
  EXPECT_EQ(CLFView(doc, ui, settings).autoScrollPause(), 100);
}

TEST_F(DragDrop, ABookmarkMovesIntoTheFolderDroppedOnUnlessItHoldsTheSameName) {
  view.options().follow = false;
  bookmark(3, "BETA", "http://other/");
  folder("C\\beta\\");  // a folder of that name does not stand in the way
  view.OnUpdate();
  drag("A/gamma", "B/zulu");  // on a bookmark: into its folder
  EXPECT_FALSE(view.isDragging());
  EXPECT_TRUE(view.tree().dropHighlight() == kNoItem && view.draggedItem() == kNoItem);
  const std::string moved =
      "L Root Folder:2{F A:2{F Sub:2{B deep}, B alpha, B Beta}, F B:2{B BETA, B beta2, B gamma, "
      "B zulu}, F C:2{F beta:2}, L L:2, B top}";
  EXPECT_EQ(outline(), moved);
  expectQuietChange();
  EXPECT_EQ(view.tree().selected(), item("A/Beta"));  // without Follow: a neighbour

  drag("A/Beta", "B");
  expectMessages(ui, {{Information, "bookmark with the same name"}});
  EXPECT_TRUE(treeLog.scrolledTo(item("B/BETA")));
  EXPECT_EQ(view.tree().selected(), item("A/Beta"));
  EXPECT_EQ(outline(), moved);
  drag("A/Beta", "C");
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(doc.bookmark(1).folder, 4u);
  EXPECT_EQ(labels("C"), "beta|Beta|");
}

// Nothing moves on a drop on the dragged item's own folder, a sibling, itself, no item, an item
// gone, or after a cancel, nor by a move of an item gone.
TEST_F(DragDrop, DropsThatMoveNothing) {
  const std::string before = outline();
  const TreeItem moved = item("A/Beta");
  for (const HitTest& hit : std::vector<HitTest>{{item("A"), kHitOnLabel},
                                                 {item("A/gamma"), kHitOnIcon},
                                                 {moved, kHitOnLabel},
                                                 {kNoItem, kHitBelow},
                                                 {deadItem(), kHitOnLabel}}) {
    view.OnBeginDrag(moved);
    view.OnDragMove({item("C"), kHitOnLabel});
    view.OnDrop(hit);
    EXPECT_FALSE(view.isDragging());
    EXPECT_EQ(view.tree().dropHighlight(), kNoItem);
    EXPECT_EQ(view.tree().selected(), moved);
  }
  const TreeItem deep = item("A/Sub/deep");
  view.OnBeginDrag(deep);
  view.OnDragMove({item("C"), kHitOnLabel});
  view.OnCancelDrag();  // the right button: the dragged item is shown
  EXPECT_FALSE(view.isDragging());
  EXPECT_EQ(view.tree().dropHighlight(), kNoItem);
  EXPECT_TRUE(treeLog.scrolledTo(deep) && view.tree().isExpanded(item("A/Sub")));
  view.OnDrop({item("C"), kHitOnLabel});  // the button's release after the cancel
  const TreeItem dead = deadItem();       // and the moves themselves ignore an item gone
  for (const auto& [what, into] : {std::pair{dead, item("C")}, {item("A/alpha"), dead}}) {
    view.MoveBookmarkItem(what, into);
    view.MoveFolderItem(what, into);
    EXPECT_EQ(view.CopySubtree(what, into), kNoItem);
  }
  EXPECT_EQ(outline(), before);
  EXPECT_FALSE(doc.isModified());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DragDrop, AFolderMovesWithEverythingBelowItUnlessTheDropIsRefused) {
  folder("B\\sub\\");
  view.OnUpdate();
  const std::string before = outline();
  drag("A", "A/Sub");
  drag("A", "A/Sub/deep");
  drag("A/Sub", "B");        // B holds "sub"
  drag("A", "A/alpha");      // its own bookmark: silently nothing
  drag("A/Sub", "A/gamma");  // its own parent: nothing
  EXPECT_EQ(view.tree().selected(), item("A/Sub"));
  expectMessages(ui, Information, {"own subfolder", "own subfolder", "same name"});
  EXPECT_EQ(outline(), before);
  EXPECT_FALSE(doc.isModified());
  ui.messages.clear();
  view.tree().ensureVisible(item("A/Sub/deep"));
  drag("A", "B/beta2");
  EXPECT_EQ(outline(),
            "L Root Folder:2{F B:2{F A:2{F Sub:2{B deep}, B alpha, B Beta, B gamma}, F sub:2, "
            "B beta2, B zulu}, F C:2, L L:2, B top}");
  EXPECT_EQ(doc.folder(2).path, "B\\A\\Sub\\");
  expectQuietChange();
  EXPECT_EQ(view.tree().selected(), item("B/A"));
  EXPECT_TRUE(treeLog.scrolledTo(item("B/A")));
  EXPECT_FALSE(view.tree().isExpanded(item("B/A")) || view.tree().isExpanded(item("B/A/Sub")));
}

using MoveStates = ViewTest;

// The old parent takes the library's rule for its state, and its ancestors follow it; the
// destination takes the tree's rule.
TEST_F(MoveStates, TheOldParentTakesTheLibrarysRuleAndTheDestinationTheTrees) {
  const std::uint32_t kept = folder("X\\Old\\Kept\\");
  doc.setFolderSelection(folder("X\\Old\\Leaving\\"), kNotSelected);
  folder("Target\\");
  const std::uint32_t old = *doc.findFolder("X\\Old\\");
  for (std::uint32_t f : {old, *doc.findFolder("X\\"), 0u})
    doc.setFolderSelection(f, kPartlySelected);
  view.OnUpdate();
  // The last unselected sub-folder leaves; the rest is selected: Old becomes selected.
  drag("X/Old/Leaving", "Target");
  EXPECT_EQ(outline(), "L Root Folder:3{F Target:3{F Leaving:1}, F X:2{F Old:2{F Kept:2}}}");
  expectTreeMatchesLibrary();
  // Old keeps one unselected sub-folder only: the library's rule leaves Old not selected,
  // where the tree's rule would have kept it partly selected.
  doc.setFolderSelection(old, kPartlySelected);
  doc.setFolderSelection(kept, kNotSelected);
  doc.setFolderSelection(folder("X\\Old\\Other\\"), kNotSelected);
  view.OnUpdate();
  drag("X/Old/Other", "");
  EXPECT_EQ(outline(),
            "L Root Folder:3{F Other:1, F Target:3{F Leaving:1}, F X:3{F Old:1{F Kept:1}}}");
  expectTreeMatchesLibrary();
}

// The library has moved when the tree cannot take the copy; the tree is then rebuilt from it
// rather than left showing the item where it no longer is.
TEST_F(DragDrop, ATreeThatRefusesTheCopyIsRebuiltFromTheLibrary) {
  view.tree().setItemLimit(view.tree().itemCount());
  drag("A/gamma", "C");
  EXPECT_EQ(labels("C"), "gamma|");
  view.tree().setItemLimit(view.tree().itemCount() + 1);  // A's copy fits, its children do not
  drag("A", "B");
  EXPECT_EQ(outline(),
            "L Root Folder:2{F B:2{F A:2{F Sub:2{B deep}, B alpha, B Beta}, B beta2, B zulu}, "
            "F C:2{B gamma}, L L:2, B top}");
  expectTreeMatchesLibrary();
}

}  // namespace
}  // namespace linkfold::test
