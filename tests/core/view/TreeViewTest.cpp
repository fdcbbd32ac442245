// The tree view outside its editing commands and the scenarios: the drag's feedback and the
// view's options.

#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "platform/Settings.h"

namespace linkfold::test {
namespace {

class StandardTree : public ViewTest {
 protected:
  void SetUp() override { buildLibrary(); }
};

TEST_F(StandardTree, MovementHighlightsItemsAndScrollsOutsideTheTree) {
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
