#include <gtest/gtest.h>

#include <type_traits>

#include "core/view/ViewFixture.h"
#include "support/AllocationLimit.h"
#include "tools/WeedDialog.h"
#include "tools/WeedDuplicates.h"

namespace linkfold::test {
namespace {

using enum MessageIcon;

constexpr std::uint32_t kOff = WeedRow::kUncheckedState;
constexpr std::uint32_t kOn = WeedRow::kCheckedState;
constexpr std::uint32_t kUrl = WeedRow::kUrlState;
using Numbers = std::vector<std::uint32_t>;
using Strings = std::vector<std::string>;

// One field of every element.
template <class Range, class Field>
auto collect(const Range& range, Field field) {
  std::vector<std::decay_t<std::invoke_result_t<Field, decltype(*range.begin())>>> all;
  for (const auto& element : range) all.push_back(std::invoke(field, element));
  return all;
}

TEST(DuplicateSearch, SortsByUnsignedBytesAndGroupsEverySharedUrlOnce) {
  DuplicateSearch search(0);
  const Strings urls{"d",        "c", "a", "d", "b",        "a",       "d",
                     "\xC3\xA9", "c", "a", "d", "\xC3\xA9", "\xC3\xA9"};
  for (std::uint32_t i = 0; i < urls.size(); ++i) search.list.push_back({urls[i], i, 0});
  search.sortList();
  search.findGroups();
  // a a a | b | c c | d d d d | é é é: unsigned bytes, equal URLs in table order, and groups at
  // the start, in the middle and at the end.
  EXPECT_EQ(collect(search.list, &UrlEntry::bookmark),
            (Numbers{2, 5, 9, 4, 1, 8, 0, 3, 6, 10, 7, 11, 12}));
  EXPECT_EQ(search.groups, (std::vector<DuplicateGroup>{{0, 2}, {4, 5}, {6, 9}, {10, 12}}));
}

using WeedCommand = ViewTest;

TEST_F(WeedCommand, NeedsTwoBookmarksAndSaysWhenNoUrlIsShared) {
  bookmark(0, "a", "http://example.com/");
  EXPECT_FALSE(OnUpdateWeedDuplicates(view).enabled);
  OnWeedDuplicates(view);  // disabled: nothing runs
  EXPECT_TRUE(ui.statusEvents.empty());
  bookmark(0, "b", "http://Example.com/");
  EXPECT_FALSE(WeedDuplicates(view));
  expectMessages(ui, {{Information, "No duplicate"}});
  std::erase_if(ui.statusEvents, [](const std::string& e) { return e.starts_with("text:"); });
  EXPECT_EQ(ui.statusEvents, (Strings{"create", "center", "hide", "destroy"}));
  EXPECT_EQ(ui.dialogsShown, 0);
}

// Two groups: http://a/ (a1 in the root, a2 in News\Daily\) and http://b/ (b1, b2, b3), plus a
// bookmark of its own URL. The dialog's rows: 0 group a, 1 a1, 2 a2, 3 group b, 4 b1, 5 b2,
// 6 b3. The sorted list: a1, a2, b1, b2, b3, alone.
struct DuplicatesLibrary : ViewTest {
  DuplicatesLibrary() {
    const std::uint32_t daily = folder("News\\Daily\\");
    bookmark(0, "b1", "http://b/");
    bookmark(0, "a1", "http://a/");
    bookmark(0, "alone", "http://c/");
    bookmark(daily, "b2", "http://b/");
    bookmark(daily, "a2", "http://a/");
    bookmark(0, "b3", "http://b/");
    search.run(doc);
    view.OnUpdate();
  }
  DuplicateSearch search{6};
};

// The dialog over that library, made once the search has run.
struct Weed : DuplicatesLibrary {
  Numbers states() const { return collect(dialog.rows(), &WeedRow::state); }
  Strings names() const { return collect(doc.bookmarks(), &BookmarkRecord::name); }
  // Scripts one OK of the dialog after checking (keeping) the bookmarks with these names.
  void keep(Strings kept) {
    ui.onDialog<WeedDialog>([kept](WeedDialog& d) {
      for (std::size_t r = 0; r < d.rows().size(); ++r)
        if (std::find(kept.begin(), kept.end(), d.cellText(r, 1)) != kept.end()) d.toggle(r);
      return true;
    });
  }

  WeedDialog dialog{doc, search.list, search.groups, settings};
};

TEST_F(Weed, ListsEachGroupFollowedByItsBookmarksUnchecked) {
  const std::uint32_t group = WeedRow::kGroupFlag;
  EXPECT_EQ(collect(dialog.rows(), &WeedRow::data), (Numbers{group, 0, 1, 2 | group, 2, 3, 4}));
  static_assert(WeedRow::kBookmarkIcon == kImageBookmark);  // the view's image list
  const int g = WeedRow::kGroupIcon, b = WeedRow::kBookmarkIcon;
  EXPECT_EQ(collect(dialog.rows(), &WeedRow::icon), (std::vector<int>{g, b, b, g, b, b, b}));
  // The command-line tests show the texts of every row; here those only the dialog has.
  EXPECT_EQ(dialog.cellText(0, 1), "");  // a group row has no name
  EXPECT_EQ(dialog.cellText(7, 0), "");  // past the last row
  EXPECT_EQ(states(), (Numbers{kUrl, kOff, kOff, kUrl, kOff, kOff, kOff}));
  EXPECT_EQ(dialog.selectedRow, std::optional<std::size_t>(1));
}

TEST_F(Weed, ClicksDoubleClicksAndSpaceToggleBookmarkRowsOnly) {
  EXPECT_FALSE(dialog.clicked(1, false));  // beside the check box
  EXPECT_TRUE(dialog.clicked(1, true));
  EXPECT_TRUE(dialog.doubleClicked(2));
  EXPECT_FALSE(dialog.clicked(0, true));
  EXPECT_FALSE(dialog.doubleClicked(3));
  EXPECT_FALSE(dialog.clicked(7, true));  // past the last row
  EXPECT_EQ(dialog.spacePressed(), std::optional<std::size_t>(1));
  for (const auto selected : {std::optional<std::size_t>(3), {7}, {}}) {
    dialog.selectedRow = selected;
    EXPECT_EQ(dialog.spacePressed(), std::nullopt);
  }
  EXPECT_EQ(states(), (Numbers{kUrl, kOff, kOn, kUrl, kOff, kOff, kOff}));
}

TEST_F(Weed, TheContextMenuSelectsDeselectsAndInverts) {
  for (const MenuEntry& entry : WeedDialog::contextMenu())
    EXPECT_EQ(WeedDialog::commandPrompt(entry.id).empty(), entry.id == kCmdSeparator) << entry.id;
  dialog.toggle(2);
  EXPECT_EQ(dialog.runCommand(kCmdSelectAll), (std::vector<std::size_t>{1, 4, 5, 6}));
  dialog.toggle(5);
  EXPECT_EQ(dialog.runCommand(kCmdInvertSelection), (std::vector<std::size_t>{1, 2, 4, 5, 6}));
  EXPECT_EQ(states(), (Numbers{kUrl, kOff, kOff, kUrl, kOff, kOn, kOff}));
  EXPECT_EQ(dialog.runCommand(kCmdDeselectAll), (std::vector<std::size_t>{5}));
}

TEST_F(Weed, ThePlacementIsSavedAtCloseAndBroughtBackIntoTheWorkArea) {
  const Rect work{0, 0, 1024, 768};
  EXPECT_EQ(dialog.openingPlacement(work, {375, 244}), std::nullopt);  // nothing saved: "*"
  dialog.savePlacement(true, {-900, 50, -400, 450});
  EXPECT_EQ(settings.read(setting::kWeedDlgPos), "1,-900,50,-400,450");
  EXPECT_EQ(dialog.openingPlacement(work, {375, 244}), (WeedDialogPos{true, {10, 10, 510, 410}}));
  EXPECT_EQ(WeedDialog::initialColumns(301), (ColumnWidths{150, 151}));
  EXPECT_EQ(WeedDialog::fitColumns({2048, 10}, 500), (ColumnWidths{2048, 10}));
  EXPECT_EQ(WeedDialog::fitColumns({600, 10}, 501), (ColumnWidths{250, 251}));
  EXPECT_EQ(WeedDialog::fitColumns({200, 10}, 500), (ColumnWidths{200, 300}));
  EXPECT_EQ(WeedDialog::fitColumns({500, 0}, 500), (ColumnWidths{500, 0}));
}

TEST_F(Weed, KeepingNoneAsksTwiceThenRemovesAndRebuildsTheTree) {
  keep({});
  keep({});  // the dialog stays open after a No
  for (Answer a : {Answer::No, Answer::Yes, Answer::Yes}) ui.answer(a);
  OnWeedDuplicates(view);
  EXPECT_EQ(ui.dialogsShown, 1);
  expectMessages(ui, {{Question, "any bookmarks to keep"},
                      {Question, "any bookmarks to keep"},
                      {Question, "5 bookmarks will be removed.\n\nProceed?"}});
  EXPECT_EQ(ui.statusEvents.back(), "destroy");
  EXPECT_EQ(names(), Strings{"alone"});
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(outline(), "L Root Folder:2{F News:2{F Daily:2}, B alone}");
}

TEST_F(Weed, OnlyYesToTheLastQuestionRemovesTheUncheckedOnes) {
  keep({"a1", "a2", "b1", "b2", "b3"});
  EXPECT_FALSE(WeedDuplicates(view));
  keep({"b3"});  // every bookmark of http://a/ would go: asked, and No keeps it open
  keep({"a1"});  // a1 checked too: checks changed after that No count
  ui.answer(Answer::No);
  ui.answer(Answer::No);
  EXPECT_FALSE(WeedDuplicates(view));
  ui.onDialog<WeedDialog>([](WeedDialog&) { return false; });  // Cancel ends quietly
  EXPECT_FALSE(WeedDuplicates(view));
  expectMessages(ui, {{Information, "none will be removed"},
                      {Question, "no bookmarks checked"},
                      {Question, "3 bookmarks will be removed.\n\nProceed?"},
                      {Information, "cancelled"}});
  EXPECT_EQ(ui.statusEvents.back(), "destroy");
  EXPECT_FALSE(doc.isModified());
  // In list order the unchecked ones are the table's rows 4, 0 and 3.
  keep({"a1", "b3"});
  ui.answer(Answer::Yes);
  EXPECT_TRUE(WeedDuplicates(view));
  EXPECT_EQ(names(), (Strings{"a1", "alone", "b3"}));
}

// Making the status window itself runs out of memory.
struct NoMemoryForStatusUi : FakeUi {
  std::unique_ptr<StatusWindow> createStatusWindow() override { throw std::bad_alloc(); }
};

TEST_F(Weed, RunningOutOfMemoryChangesNothing) {
  for (int i = 0; i < 50000; ++i) bookmark(0, "b" + std::to_string(i), "http://same/");
  {
    // The working list needs 50006 entries of at least 24 bytes.
    ScopedAllocationLimit limit(1 << 20);
    EXPECT_FALSE(WeedDuplicates(view));
  }
  expectMessages(ui, {{Exclamation, "memory"}});
  EXPECT_EQ(ui.statusEvents, (Strings{"create", "destroy"}));
  NoMemoryForStatusUi other;
  CLFView otherView(doc, other, settings);
  EXPECT_FALSE(WeedDuplicates(otherView));
  expectMessages(other, {{Exclamation, "memory"}});
  EXPECT_EQ(ui.dialogsShown, 0);
  EXPECT_EQ(doc.bookmarkCount(), 50006u);
}

}  // namespace
}  // namespace linkfold::test
