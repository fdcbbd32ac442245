#include <gtest/gtest.h>

#include <algorithm>

#include "core/view/ViewFixture.h"
#include "platform/Settings.h"

namespace linkfold::test {
namespace {

constexpr const char* kSameBookmarkName =
    "Destination folder already contains a\nbookmark with the same name.";
constexpr const char* kMovedHere =
    "Folder cannot be moved here.\n\nEither the resulting path would be too long\nor a folder "
    "with the same name already exists.";

struct ScrollLog : TreeObserver {
  std::vector<TreeItem> scrolled;
  void scrollIntoView(TreeItem item) override { scrolled.push_back(item); }
  bool saw(TreeItem item) const {
    return std::find(scrolled.begin(), scrolled.end(), item) != scrolled.end();
  }
};

class DragDrop : public ::testing::Test, public ViewFixture {
 protected:
  explicit DragDrop(BrowserDetection browsers = {}) : ViewFixture(std::move(browsers)) {
    view.tree().addObserver(&scrolls);
  }
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

  void drag(const std::string& from, const std::string& onto) {
    view.OnBeginDrag(item(from));
    ASSERT_TRUE(view.isDragging());
    view.OnDragMove({item(onto), kHitOnLabel});
    view.OnDrop({item(onto), kHitOnLabel});
  }

  // Every folder's check box agrees with its library entry.
  void expectChecksMatchLibrary() {
    std::vector<TreeItem> pending{view.tree().root()};
    while (!pending.empty()) {
      const TreeItem it = pending.back();
      pending.pop_back();
      if (view.IsBookmarkItem(it)) continue;
      EXPECT_EQ(view.tree().state(it), doc.folder(view.tree().data(it)).selection)
          << view.tree().label(it);
      for (TreeItem ch : view.tree().children(it)) pending.push_back(ch);
    }
  }

  ScrollLog scrolls;
  std::uint32_t a = 0, sub = 0, b = 0, c = 0, beta = 0;
};

TEST_F(DragDrop, LockedFoldersCannotBeDragged) {
  const std::uint32_t locked = folder("Locked\\");
  doc.setFolderLocked(locked, true);
  view.OnUpdate();
  for (const char* path : {"Root Folder", "Root Folder/Locked"}) {
    view.tree().select(kNoItem);
    view.OnBeginDrag(item(path));
    EXPECT_FALSE(view.isDragging());
    EXPECT_EQ(view.tree().selected(), item(path));
    EXPECT_EQ(view.currentItem(), item(path));
  }
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, "Locked folders cannot be moved.", Information);
  EXPECT_MESSAGE(ui, 1, "Locked folders cannot be moved.", Information);
}

TEST_F(DragDrop, MovementHighlightsItemsAndScrollsOutsideTheTree) {
  buildLibrary();
  view.OnDragMove({item("Root Folder/B"), kHitOnLabel});
  EXPECT_EQ(view.tree().dropHighlight(), kNoItem) << "no drag, no feedback";

  view.OnBeginDrag(item("Root Folder/A/Beta"));
  EXPECT_EQ(view.draggedItem(), item("Root Folder/A/Beta"));
  EXPECT_EQ(view.tree().selected(), item("Root Folder/A/Beta"));
  EXPECT_EQ(view.OnDragMove({item("Root Folder/B/zulu"), kHitOnRight}), ScrollStep::None);
  EXPECT_EQ(view.tree().dropHighlight(), item("Root Folder/B/zulu"));
  // Inside the tree but on no item: the highlight stays.
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitNowhere}), ScrollStep::None);
  EXPECT_EQ(view.tree().dropHighlight(), item("Root Folder/B/zulu"));
  // Outside: above, below, left, right, in that order of precedence.
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitAbove | kHitToRight}), ScrollStep::LineUp);
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitBelow | kHitToLeft}), ScrollStep::LineDown);
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitToLeft | kHitToRight}), ScrollStep::LineLeft);
  EXPECT_EQ(view.OnDragMove({kNoItem, kHitToRight}), ScrollStep::LineRight);
  EXPECT_EQ(view.tree().dropHighlight(), item("Root Folder/B/zulu"));
}

TEST_F(DragDrop, TheScrollPauseIsTheStoredScrollRate) {
  settings.write(setting::kScrollRate, 100);
  EXPECT_EQ(CLFView(doc, ui, settings).autoScrollPause(), 100);
  settings.write(setting::kScrollRate, 0);
  EXPECT_EQ(CLFView(doc, ui, settings).autoScrollPause(), 0);
}

TEST_F(DragDrop, BookmarkDroppedOnABookmarkOfAnotherFolderMovesIntoThatFolder) {
  buildLibrary();
  drag("Root Folder/A/gamma", "Root Folder/B/zulu");
  EXPECT_FALSE(view.isDragging());
  EXPECT_EQ(view.tree().dropHighlight(), kNoItem);
  EXPECT_EQ(view.draggedItem(), kNoItem);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(doc.bookmark(view.tree().data(item("Root Folder/B/gamma"))).folder, b);
  EXPECT_EQ(outline(),
            "L Root Folder:2\n"
            "  F A:2\n    F Sub:2\n      B deep\n    B alpha\n    B Beta\n"
            "  F B:2\n    B beta2\n    B gamma\n    B zulu\n"
            "  F C:2\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DragDrop, DropsThatMoveNothing) {
  buildLibrary();
  const std::string before = outline();
  const TreeItem moved = item("Root Folder/A/Beta");
  // Its own folder, a sibling, itself, no item at all.
  for (const HitTest& hit : std::vector<HitTest>{{item("Root Folder/A"), kHitOnLabel},
                                                 {item("Root Folder/A/gamma"), kHitOnIcon},
                                                 {moved, kHitOnLabel},
                                                 {kNoItem, kHitBelow}}) {
    view.OnBeginDrag(moved);
    view.OnDragMove({item("Root Folder/C"), kHitOnLabel});
    view.OnDrop(hit);
    EXPECT_FALSE(view.isDragging());
    EXPECT_EQ(view.tree().dropHighlight(), kNoItem);
    EXPECT_EQ(view.tree().selected(), moved);
  }
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(doc.bookmark(beta).folder, a);
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
  EXPECT_MESSAGE(ui, 0, kSameBookmarkName, Information);
  EXPECT_TRUE(scrolls.saw(item("Root Folder/B/BETA")));
  EXPECT_TRUE(view.tree().isExpanded(item("Root Folder/B")));
  EXPECT_EQ(view.tree().selected(), item("Root Folder/A/Beta"));
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(doc.bookmark(beta).folder, a);
  EXPECT_FALSE(doc.isModified());

  drag("Root Folder/A/Beta", "Root Folder/C");
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(doc.bookmark(beta).folder, c);
  EXPECT_EQ(view.tree().label(view.tree().children(item("Root Folder/C")).back()), "Beta");
}

TEST_F(DragDrop, FollowDecidesWhatIsSelectedAfterABookmarkMoves) {
  buildLibrary();
  drag("Root Folder/A/Beta", "Root Folder/C");
  EXPECT_EQ(view.tree().selected(), item("Root Folder/A/gamma"));
  EXPECT_EQ(view.currentItem(), item("Root Folder/A/gamma"));

  view.options().follow = true;
  drag("Root Folder/A/alpha", "Root Folder/C");
  EXPECT_EQ(view.tree().selected(), item("Root Folder/C/alpha"));
  EXPECT_TRUE(scrolls.saw(item("Root Folder/C/alpha")));
}

TEST_F(DragDrop, FolderMovesWithEverythingBelowIt) {
  buildLibrary();
  view.tree().expand(item("Root Folder/A"), CSortedTreeCtrl::Expand::Expand);
  view.tree().expand(item("Root Folder/A/Sub"), CSortedTreeCtrl::Expand::Expand);
  drag("Root Folder/A", "Root Folder/B/beta2");
  EXPECT_EQ(outline(),
            "L Root Folder:2\n"
            "  F B:2\n    F A:2\n      F Sub:2\n        B deep\n      B alpha\n      B Beta\n"
            "      B gamma\n    B beta2\n    B zulu\n"
            "  F C:2\n");
  EXPECT_EQ(doc.folder(a).path, "B\\A\\");
  EXPECT_EQ(doc.folder(a).parent, b);
  EXPECT_EQ(doc.folder(sub).path, "B\\A\\Sub\\");
  EXPECT_EQ(view.tree().data(item("Root Folder/B/A/Sub/deep")), 3u);
  EXPECT_EQ(view.tree().selected(), item("Root Folder/B/A"));
  EXPECT_TRUE(scrolls.saw(item("Root Folder/B/A")));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/B/A")));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/B/A/Sub")));
  EXPECT_EQ(view.draggedItem(), kNoItem);
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
  EXPECT_MESSAGE(ui, 0, "Folder cannot be moved to its own subfolder.", Information);
  EXPECT_MESSAGE(ui, 1, "Folder cannot be moved to its own subfolder.", Information);
  EXPECT_MESSAGE(ui, 2, kMovedHere, Information);
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(doc.folder(sub).path, "A\\Sub\\");
  EXPECT_FALSE(doc.isModified());
}

TEST_F(DragDrop, OldParentKeepsTheLibrarysStateAndTheDestinationTheTreesRule) {
  const std::uint32_t old = folder("Old\\");
  const std::uint32_t kept = folder("Old\\Kept\\");
  const std::uint32_t leaving = folder("Old\\Leaving\\");
  folder("Target\\");
  doc.setFolderSelection(old, kPartlySelected);
  doc.setFolderSelection(leaving, kNotSelected);
  view.OnUpdate();
  // The last unselected sub-folder leaves; the rest is selected: Old becomes selected.
  drag("Root Folder/Old/Leaving", "Root Folder/Target");
  EXPECT_EQ(outline(), "L Root Folder:3\n  F Old:2\n    F Kept:2\n  F Target:3\n    F Leaving:1\n");
  expectChecksMatchLibrary();

  // Old keeps one unselected sub-folder only: the library's rule leaves Old not selected,
  // where the tree's rule would have kept it partly selected.
  doc.setFolderSelection(old, kPartlySelected);
  doc.setFolderSelection(kept, kNotSelected);
  doc.setFolderSelection(folder("Old\\Other\\"), kNotSelected);
  view.OnUpdate();
  drag("Root Folder/Old/Other", "Root Folder");
  EXPECT_EQ(outline(),
            "L Root Folder:3\n  F Old:1\n    F Kept:1\n  F Other:1\n  F Target:3\n"
            "    F Leaving:1\n");
  expectChecksMatchLibrary();
}

// The library has moved when the tree cannot take the copy; the tree is then rebuilt from it
// rather than left showing the item where it no longer is.
TEST_F(DragDrop, ATreeThatRefusesTheCopyIsRebuiltFromTheLibrary) {
  buildLibrary();
  view.tree().setItemLimit(view.tree().itemCount());
  drag("Root Folder/A/gamma", "Root Folder/C");
  EXPECT_EQ(view.tree().label(view.tree().firstChild(item("Root Folder/C"))), "gamma");
  view.tree().setItemLimit(view.tree().itemCount() + 1);  // A's copy fits, its children do not
  drag("Root Folder/A", "Root Folder/B");
  EXPECT_EQ(outline(),
            "L Root Folder:2\n"
            "  F B:2\n    F A:2\n      F Sub:2\n        B deep\n      B alpha\n      B Beta\n"
            "    B beta2\n    B zulu\n"
            "  F C:2\n    B gamma\n");
  EXPECT_EQ(doc.folder(a).path, "B\\A\\");
  EXPECT_TRUE(doc.isModified());
}

TEST_F(DragDrop, TheOldParentsAncestorsAreDerivedFromItsNewState) {
  doc.setFolderSelection(folder("X\\O\\F\\"), kNotSelected);
  folder("X\\O\\G\\");
  doc.setFolderSelection(*doc.findFolder("X\\O\\"), kPartlySelected);
  doc.setFolderSelection(*doc.findFolder("X\\"), kPartlySelected);
  doc.setFolderSelection(0, kPartlySelected);
  view.OnUpdate();
  drag("Root Folder/X/O/F", "Root Folder");
  EXPECT_EQ(outline(), "L Root Folder:3\n  F F:1\n  F X:2\n    F O:2\n      F G:2\n");
  expectChecksMatchLibrary();
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

class DragDropFavorites : public DragDrop {
 protected:
  DragDropFavorites() : DragDrop(withFavoritesPath(150)) {}
  static BrowserDetection withFavoritesPath(std::size_t length) {
    BrowserDetection browsers;
    browsers.msiePresent = true;
    browsers.favoritesPath = std::string(length - 1, 'f') + "/";
    return browsers;
  }
};

TEST_F(DragDropFavorites, AMoveThatMakesAPathTooLongIsRefused) {
  folder("Deep\\" + std::string(40, 'x') + "\\");  // 46 characters
  folder("Target\\");                              // 7: 150 + 7 + 46 > 200
  folder("Tgt\\");                                 // 4: 150 + 4 + 46 = 200, allowed
  view.OnUpdate();
  drag("Root Folder/Deep", "Root Folder/Target");
  EXPECT_MESSAGE(ui, 0, kMovedHere, Information);
  EXPECT_FALSE(doc.isModified());
  drag("Root Folder/Deep", "Root Folder/Tgt");
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(view.tree().selected(), item("Root Folder/Tgt/Deep"));
  EXPECT_TRUE(doc.findFolder("Tgt\\Deep\\" + std::string(40, 'x') + "\\").has_value());
}

}  // namespace
}  // namespace linkfold::test
