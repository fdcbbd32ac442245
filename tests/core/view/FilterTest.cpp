// The tree's filter, and the tree state kept across rebuilds.

#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "view/BookmarkFilter.h"

namespace linkfold::test {
namespace {

using Filter = ViewTest;

TEST_F(Filter, ShowsMatchingBookmarksWithTheirFoldersAllExpanded) {
  buildLibrary();
  for (std::uint32_t b = 0; b < doc.bookmarkCount(); ++b)
    if (doc.bookmark(b).name == "top") doc.setBookmarkUrl(b, "http://TOP.example/Z");
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"BETA", "L Root Folder:2{F A:2{B Beta}, F B:2{B beta2}}"},  // case ignored, folders kept
      {"deep", "L Root Folder:2{F A:2{F Sub:2{B deep}}}"},         // a folder's folder too
      {"top.EXAMPLE/z", "L Root Folder:2{B top}"},                 // the URL counts
      {"http://gamma/", "L Root Folder:2{F A:2{B gamma}}"},
      {"a/\x01", "L Root Folder:2"},  // nothing matches: the root alone
  };
  for (const auto& c : cases) {
    view.setFilter(c.text);
    EXPECT_EQ(outline(), c.shown) << c.text;
    for (TreeItem i = view.tree().root(); i != kNoItem; i = view.tree().nextVisible(i))
      EXPECT_TRUE(!view.tree().hasChildren(i) || view.tree().isExpanded(i)) << c.text;
  }
}

// Typing narrows among the previous matches; the result is the same as searching afresh.
TEST(BookmarkFilter, NarrowingAndWideningAgreeWithAFreshSearch) {
  FakeUi ui;
  InMemorySettings settings;
  CLFDoc doc(ui, settings, {});
  doc.addFolder("\\", true);
  const char* names[] = {"Debian", "debconf", "Ubuntu", "Déjà vu", "DÉJÀ", "x"};
  for (const char* name : names) doc.addBookmark(0, name, "http://u/", "", 0, 0, 0);
  doc.addBookmark(0, "other", "https://DEB.example/", "", 0, 0, 0);
  BookmarkFilter typing;
  for (const char* text : {"d", "de", "deb", "debi", "deb", "", "déj", "DÉJÀ", "zz", "u/"}) {
    BookmarkFilter fresh;
    EXPECT_EQ(typing.match(doc, text), fresh.match(doc, text)) << text;
  }
  EXPECT_EQ(typing.match(doc, "deb").size(), 3u);
  EXPECT_EQ(typing.match(doc, "déjà").size(), 2u);
}

TEST_F(Filter, ClearingRestoresExpansionAndSelection) {
  buildLibrary();
  view.tree().expand(item("B"), CSortedTreeCtrl::Expand::Expand);
  select("B/zulu");
  view.setFilter("gamma");
  EXPECT_EQ(view.filterMatchCount(), 1u);
  view.setFilter("");
  EXPECT_EQ(view.tree().selected(), item("B/zulu"));
  EXPECT_TRUE(view.tree().isExpanded(item("B")));
  EXPECT_FALSE(view.tree().isExpanded(item("A")));
  expectTreeMatchesLibrary();
  // A bookmark picked while filtering stays selected afterwards.
  view.setFilter("deep");
  select("A/Sub/deep");
  view.setFilter("");
  EXPECT_EQ(view.tree().selected(), item("A/Sub/deep"));
}

TEST_F(Filter, ARefillKeepsExpansionAndSelectionOfItemsThatStillExist) {
  buildLibrary();
  view.tree().ensureVisible(item("A/Sub/deep"));
  select("B/beta2");
  view.RefillKeepingState();
  EXPECT_TRUE(view.tree().isExpanded(item("A/Sub")));
  EXPECT_EQ(view.tree().selected(), item("B/beta2"));
  // The selected bookmark is gone: the selection is the rebuild's own (the root).
  const TreeState kept = view.captureTreeState();
  doc.removeBookmark(view.tree().data(item("B/beta2")));
  view.OnUpdate();
  view.restoreTreeState(kept);
  EXPECT_EQ(view.tree().selected(), item(""));
  EXPECT_TRUE(view.tree().isExpanded(item("A")));
}

}  // namespace
}  // namespace linkfold::test
