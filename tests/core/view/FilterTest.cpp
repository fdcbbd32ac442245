// The tree's filter, and the tree state kept across rebuilds.

#include <gtest/gtest.h>

#include <functional>

#include "core/view/ViewFixture.h"
#include "view/BookmarkFilter.h"

namespace linkfold::test {
namespace {

using Filter = ViewTest;
using Outcome = BookmarkFilter::Outcome;

// Typing narrows among the previous matches; the result is the same as searching afresh.
TEST(BookmarkFilter, NarrowingAndWideningAgreeWithAFreshSearch) {
  FakeUi ui;
  InMemorySettings settings;
  CLFDoc doc(ui, settings, {});
  doc.addFolder("\\", true);
  const char* names[] = {"Debian", "debconf", "Ubuntu", "Déjà vu", "DÉJÀ", "x"};
  for (const char* name : names) doc.addBookmark(0, name, "http://u/", "", 0, 0, 0);
  doc.addBookmark(0, "other", "https://DEB.example/", "", 0, 0, 0);
  const FoldedBookmarks folded(doc);
  std::optional<FilterMatches> typed;
  for (const char* text : {"d", "de", "deb", "debi", "deb", "", "déj", "DÉJÀ", "zz", "u/"}) {
    typed = matchBookmarks(folded, text, typed ? &*typed : nullptr);
    EXPECT_EQ(typed->bookmarks, matchBookmarks(folded, text, nullptr)->bookmarks) << text;
  }
  EXPECT_EQ(matchBookmarks(folded, "deb", nullptr)->bookmarks.size(), 3u);
  EXPECT_EQ(matchBookmarks(folded, "déjà", nullptr)->bookmarks.size(), 2u);
}

// The filter's texts and the full tree kept aside are trusted while the library's revision
// stays the same: every kind of change to the tables moves it on.
TEST_F(Filter, EveryChangeToTheTablesMovesTheRevisionOn) {
  buildLibrary();
  const std::function<void()> changes[] = {
      [&] { doc.setBookmarkName(0, "renamed"); },
      [&] { doc.setBookmarkUrl(0, "http://moved/"); },
      [&] { doc.setBookmarkFolder(0, 3); },
      [&] { doc.setFolderSelection(1, kNotSelected); },
      [&] { doc.setFolderLocked(1, true); },
      [&] { doc.addFolder("New\\", false); },
      [&] { doc.addBookmark(0, "added", "http://added/", "", 0, 0, 0); },
      [&] { doc.removeBookmark(0); },
      [&] { doc.removeFolder(4); },  // C, empty
      [&] { doc.renameFolder(3, "Bee"); },
      [&] { doc.moveFolder(3, 1); },
      [&] { doc.sortBookmarks(); },
  };
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    const std::uint64_t before = doc.revision();
    changes[i]();
    EXPECT_GT(doc.revision(), before) << i;
  }
}

// Only the newest search reaches the tree: an older one stops on the way, and its result is
// dropped even when it finished; clearing the box drops every search under way.
TEST_F(Filter, ANewerSearchSupersedesTheOlderOnes) {
  buildLibrary();
  const BookmarkFilter::Job older = view.startFilter("beta");
  const BookmarkFilter::Job newer = view.startFilter("gamma");
  EXPECT_FALSE(older.run());
  EXPECT_EQ(view.applyFilter(older, matchBookmarks(*older.folded, older.text, nullptr)),
            Outcome::Superseded);
  EXPECT_FALSE(view.isFiltering());
  EXPECT_EQ(view.applyFilter(newer, newer.run()), Outcome::Taken);
  EXPECT_EQ(outline(), "L Root Folder:2{F A:2{B gamma}}");
  const BookmarkFilter::Job late = view.startFilter("zulu");
  view.clearFilter();
  EXPECT_EQ(view.applyFilter(late, late.run()), Outcome::Superseded);
  EXPECT_FALSE(view.isFiltering());
}

// A search of the texts as they were before the library changed is dropped; the next one folds
// the texts again and does not narrow among matches of the old ones.
TEST_F(Filter, AResultFromAnOlderLibraryIsDropped) {
  buildLibrary();
  const std::uint32_t zulu = view.tree().data(item("B/zulu"));
  view.setFilter("alph");
  const BookmarkFilter::Job job = view.startFilter("alpha");
  std::optional<FilterMatches> result = job.run();
  doc.setBookmarkUrl(zulu, "http://alpha.example/");
  EXPECT_EQ(view.applyFilter(job, std::move(result)), Outcome::Stale);
  EXPECT_EQ(view.filterText(), "alph");
  const BookmarkFilter::Job again = view.startFilter("alpha");
  EXPECT_EQ(view.applyFilter(again, again.run()), Outcome::Taken);
  EXPECT_EQ(outline(), "L Root Folder:2{F A:2{B alpha}, F B:2{B zulu}}");
}

}  // namespace
}  // namespace linkfold::test
