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

}  // namespace
}  // namespace linkfold::test
