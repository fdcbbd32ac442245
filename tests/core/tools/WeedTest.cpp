#include <gtest/gtest.h>

#include "support/AllocationLimit.h"
#include "core/view/ViewFixture.h"
#include "tools/WeedDialog.h"
#include "tools/WeedDuplicates.h"

namespace linkfold::test {
namespace {

constexpr const char* kNoMemory = "Insufficient free memory to perform this operation.";
constexpr const char* kNoDuplicates = "No duplicate URLs found.";
constexpr const char* kAllKept = "All duplicate items were selected,\nso none will be removed.";
constexpr const char* kCancelled = "Operation cancelled!";
constexpr const char* kKeepNone =
    "You have not selected any bookmarks to keep.\nAre you sure you want to delete all of them?";

using Strings = std::vector<std::string>;

// The groups of a list of URLs, as (first, last) pairs of the sorted list.
std::vector<DuplicateGroup> groupsOf(const Strings& urls) {
  std::vector<UrlEntry> list;
  for (std::size_t i = 0; i < urls.size(); ++i)
    list.push_back({urls[i], static_cast<std::uint32_t>(i), 0});
  DuplicateSearch search(urls.size());
  search.list = list;
  search.sortList();
  search.findGroups();
  return search.groups;
}

TEST(DuplicateSearch, EverySharedUrlFormsExactlyOneGroupWhereverItFalls) {
  EXPECT_EQ(groupsOf({}), std::vector<DuplicateGroup>{});
  EXPECT_EQ(groupsOf({"http://a/"}), std::vector<DuplicateGroup>{});
  EXPECT_EQ(groupsOf({"http://a/", "http://a/"}), (std::vector<DuplicateGroup>{{0, 1}}));
  // Sorted: a a a | b | c c | d d d d ; groups at the start, in the middle and at the end.
  EXPECT_EQ(groupsOf({"d", "c", "a", "d", "b", "a", "d", "c", "a", "d"}),
            (std::vector<DuplicateGroup>{{0, 2}, {4, 5}, {6, 9}}));
  // Letter case and a trailing "/" make different URLs; the order is byte-wise.
  EXPECT_EQ(groupsOf({"http://x/", "http://X/", "http://x", "http://x//", "HTTP://x/"}),
            std::vector<DuplicateGroup>{});
}

TEST(DuplicateSearch, SortsByUnsignedBytesAndKeepsTableOrderAmongEqualUrls) {
  std::vector<UrlEntry> list{{"b", 0, 0}, {"\xC3\xA9", 1, 0}, {"b", 2, 0},
                             {"B", 3, 0}, {"ba", 4, 0},       {"b", 5, 0}};
  DuplicateSearch search(list.size());
  search.list = list;
  search.sortList();
  std::vector<std::uint32_t> order;
  for (const UrlEntry& e : search.list) order.push_back(e.bookmark);
  EXPECT_EQ(order, (std::vector<std::uint32_t>{3, 0, 2, 5, 4, 1}));
}

struct Weed : ::testing::Test, ViewFixture {
  Weed() { work = folder("Work\\"); }

  void add(const std::string& name, const std::string& url, std::uint32_t in = 0) {
    bookmark(in, name, url);
  }
  Strings names() const {
    Strings all;
    for (const auto& b : doc.bookmarks()) all.push_back(b.name);
    return all;
  }
  // Scripts one OK of the dialog after checking (keeping) the bookmarks with these names.
  void keep(Strings kept) {
    ui.onDialog<WeedDialog>([kept](WeedDialog& dialog) {
      for (std::size_t r = 0; r < dialog.rows().size(); ++r)
        if (!dialog.rows()[r].isGroup() &&
            std::find(kept.begin(), kept.end(), dialog.cellText(r, 1)) != kept.end())
          dialog.toggle(r);
      return true;
    });
  }

  std::uint32_t work = 0;
};

TEST_F(Weed, IsEnabledWithTwoBookmarksOrMore) {
  EXPECT_FALSE(OnUpdateWeedDuplicates(view).enabled);
  add("one", "http://same/");
  EXPECT_FALSE(OnUpdateWeedDuplicates(view).enabled);
  OnWeedDuplicates(view);  // disabled: nothing runs
  EXPECT_TRUE(ui.statusEvents.empty());
  EXPECT_TRUE(ui.messages.empty());
  add("two", "http://same/", work);
  EXPECT_TRUE(OnUpdateWeedDuplicates(view).enabled);
}

TEST_F(Weed, UrlsThatDifferInCaseOrATrailingSlashAreNotDuplicates) {
  add("a", "http://example.com/");
  add("b", "http://Example.com/");
  add("c", "http://example.com");
  add("d", "http://example.com//", work);
  EXPECT_FALSE(WeedDuplicates(view));
  EXPECT_MESSAGE(ui, 0, kNoDuplicates, Information);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.statusEvents, (Strings{"create", "center", "text:Building working URL list...",
                                      "text:Sorting...", "text:Searching...", "hide", "destroy"}));
  EXPECT_EQ(ui.dialogsShown, 0);
}

TEST_F(Weed, KeepingNoneOfTwoRemovesBothAfterTwoQuestions) {
  add("first", "http://same/");
  add("other", "http://other/");
  add("second", "http://same/", work);
  view.OnUpdate();
  ui.onDialog<WeedDialog>([](WeedDialog&) { return true; });
  ui.answer(Answer::Yes);  // keep none?
  ui.answer(Answer::Yes);  // proceed?
  OnWeedDuplicates(view);
  EXPECT_EQ(names(), Strings{"other"});
  EXPECT_TRUE(doc.isModified());
  EXPECT_MESSAGE(ui, 0, kKeepNone, Question);
  EXPECT_MESSAGE(ui, 1, "2 bookmarks will be removed.\n\nProceed?", Question);
  EXPECT_EQ(ui.messages[1].buttons, MessageButtons::YesNo);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.statusTexts().back(), "Removing marked items...");
  EXPECT_EQ(ui.statusEvents.back(), "destroy");
  // The tree was rebuilt from the library.
  EXPECT_EQ(outline(), "L Root Folder:2\n  F Work:2\n  B other\n");
}

TEST_F(Weed, KeepingEveryBookmarkRemovesNothing) {
  add("a1", "http://a/");
  add("a2", "http://a/", work);
  keep({"a1", "a2"});
  EXPECT_FALSE(WeedDuplicates(view));
  EXPECT_MESSAGE(ui, 0, kAllKept, Information);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(doc.bookmarkCount(), 2u);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Weed, NoToTheLastQuestionCancels) {
  add("a1", "http://a/");
  add("a2", "http://a/", work);
  keep({"a1"});
  ui.answer(Answer::No);
  EXPECT_FALSE(WeedDuplicates(view));
  EXPECT_MESSAGE(ui, 0, "1 bookmarks will be removed.\n\nProceed?", Question);
  EXPECT_MESSAGE(ui, 1, kCancelled, Information);
  EXPECT_EQ(doc.bookmarkCount(), 2u);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Weed, CancelInTheDialogEndsQuietly) {
  add("a1", "http://a/");
  add("a2", "http://a/", work);
  ui.onDialog<WeedDialog>([](WeedDialog&) { return false; });
  EXPECT_FALSE(WeedDuplicates(view));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(doc.bookmarkCount(), 2u);
  EXPECT_EQ(ui.statusEvents.back(), "destroy");
}

TEST_F(Weed, RemovesTheMarkedBookmarksWhereverTheyLieInTheTable) {
  // Sorted by URL the marked ones come in the table order 1, 4, 3, 6: removing 1 first moves
  // the others down by one, removing the old 4 next moves only the old 6.
  add("k0", "http://b/");
  add("r1", "http://a/");
  add("k2", "http://a/", work);
  add("r3", "http://b/", work);
  add("r4", "http://a/", work);
  add("single", "http://c/");
  add("r6", "http://b/");
  keep({"k0", "k2"});
  ui.answer(Answer::Yes);
  EXPECT_TRUE(WeedDuplicates(view));
  EXPECT_MESSAGE(ui, 0, "4 bookmarks will be removed.\n\nProceed?", Question);
  EXPECT_EQ(names(), (Strings{"k0", "k2", "single"}));
}

TEST_F(Weed, ThreeSharingAUrlAreOneGroupAndTheRemovalLeavesTheKeeper) {
  add("x1", "http://x/", work);
  add("y1", "http://y/");
  add("x2", "http://x/");
  add("x3", "http://x/", work);
  add("y2", "http://y/", work);
  ui.onDialog<WeedDialog>([](WeedDialog& dialog) {
    EXPECT_EQ(dialog.rows().size(), 7u);  // two group rows, five bookmark rows
    for (std::size_t r = 0; r < dialog.rows().size(); ++r)
      if (dialog.cellText(r, 1) == "x2" || dialog.cellText(r, 1) == "y2") dialog.toggle(r);
    return true;
  });
  ui.answer(Answer::Yes);
  EXPECT_TRUE(WeedDuplicates(view));
  EXPECT_EQ(names(), (Strings{"x2", "y2"}));
}

TEST_F(Weed, RunningOutOfMemoryChangesNothing) {
  for (int i = 0; i < 50000; ++i) add("b" + std::to_string(i), "http://same/", i % 2 ? work : 0);
  {
    // The working list needs 50000 entries of at least 24 bytes.
    ScopedAllocationLimit limit(1 << 20);
    EXPECT_FALSE(WeedDuplicates(view));
  }
  EXPECT_MESSAGE(ui, 0, kNoMemory, Exclamation);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.dialogsShown, 0);
  EXPECT_EQ(ui.statusEvents, (Strings{"create", "destroy"}));
  EXPECT_EQ(doc.bookmarkCount(), 50000u);
}

}  // namespace
}  // namespace linkfold::test
