#include <gtest/gtest.h>

#include "core/library/LibraryFixture.h"
#include "tools/WeedDialog.h"

namespace linkfold::test {
namespace {

constexpr const char* kKeepNone =
    "You have not selected any bookmarks to keep.\nAre you sure you want to delete all of them?";
constexpr const char* kUrlWithoutKeeper =
    "There is at least one URL which has\nno bookmarks checked. All bookmarks\nfor such URLs "
    "will be removed.\n\nIs this what you intended?";

constexpr std::uint32_t kUnchecked = WeedRow::kUncheckedState;
constexpr std::uint32_t kChecked = WeedRow::kCheckedState;

using States = std::vector<std::uint32_t>;

// Two groups: http://a/ (a1 in the root, a2 in News\Daily\) and http://b/ (b1, b2, b3), plus a
// bookmark of its own URL. Rows: 0 group a, 1 a1, 2 a2, 3 group b, 4 b1, 5 b2, 6 b3.
struct DuplicatesLibrary : LibraryFixture {
  DuplicatesLibrary() {
    EXPECT_TRUE(doc.addFolder("\\", true));
    const std::uint32_t daily = folder("News\\Daily\\");
    bookmark(0, "b1", "http://b/");
    bookmark(0, "a1", "http://a/");
    bookmark(0, "alone", "http://c/");
    bookmark(daily, "b2", "http://b/");
    bookmark(daily, "a2", "http://a/");
    bookmark(0, "b3", "http://b/");
    search.run(doc);
  }

  DuplicateSearch search{6};
};

struct WeedDialogTest : ::testing::Test, DuplicatesLibrary {
  States states() const {
    States all;
    for (const WeedRow& r : dialog.rows()) all.push_back(r.state);
    return all;
  }
  std::vector<std::uint32_t> marks() const {
    std::vector<std::uint32_t> all;
    for (const UrlEntry& e : search.list) all.push_back(e.removalMark);
    return all;
  }

  WeedDialog dialog{doc, search.list, search.groups, settings};
};

TEST_F(WeedDialogTest, ListsEachGroupFollowedByItsBookmarksUnchecked) {
  ASSERT_EQ(dialog.rows().size(), 7u);
  const std::uint32_t group = WeedRow::kGroupFlag;
  const std::vector<std::uint32_t> data{0 | group, 0, 1, 2 | group, 2, 3, 4};
  for (std::size_t r = 0; r < 7; ++r) {
    const WeedRow& row = dialog.rows()[r];
    EXPECT_EQ(row.data, data[r]) << r;
    const bool isGroup = r == 0 || r == 3;
    EXPECT_EQ(row.isGroup(), isGroup) << r;
    EXPECT_EQ(row.icon, isGroup ? 3 : 1) << r;
    EXPECT_EQ(row.state, isGroup ? 5u : 2u) << r;
  }
  EXPECT_EQ(dialog.selectedRow, std::optional<std::size_t>(1));
}

TEST_F(WeedDialogTest, CellsShowTheUrlOrTheFolderPathAndTheName) {
  const std::vector<std::pair<std::string, std::string>> cells{
      {"http://a/", ""},       {"Root Folder\\", "a1"}, {"News\\Daily\\", "a2"}, {"http://b/", ""},
      {"Root Folder\\", "b1"}, {"News\\Daily\\", "b2"}, {"Root Folder\\", "b3"}};
  for (std::size_t r = 0; r < cells.size(); ++r) {
    EXPECT_EQ(dialog.cellText(r, 0), cells[r].first) << r;
    EXPECT_EQ(dialog.cellText(r, 1), cells[r].second) << r;
  }
}

TEST_F(WeedDialogTest, ClicksDoubleClicksAndSpaceToggleBookmarkRowsOnly) {
  EXPECT_FALSE(dialog.clicked(1, false));  // beside the check box
  EXPECT_TRUE(dialog.clicked(1, true));
  EXPECT_TRUE(dialog.doubleClicked(2));
  EXPECT_FALSE(dialog.clicked(0, true));
  EXPECT_FALSE(dialog.doubleClicked(3));
  EXPECT_EQ(states(), (States{5, kChecked, kChecked, 5, kUnchecked, kUnchecked, kUnchecked}));
  EXPECT_EQ(dialog.spacePressed(), std::optional<std::size_t>(1));
  EXPECT_TRUE(dialog.doubleClicked(2));
  EXPECT_EQ(states(), (States{5, kUnchecked, kUnchecked, 5, kUnchecked, kUnchecked, kUnchecked}));
  dialog.selectedRow = 3;
  EXPECT_EQ(dialog.spacePressed(), std::nullopt);
  dialog.selectedRow.reset();
  EXPECT_EQ(dialog.spacePressed(), std::nullopt);
  EXPECT_EQ(states()[3], 5u);
}

TEST_F(WeedDialogTest, TheContextMenuSelectsDeselectsAndInverts) {
  EXPECT_EQ(WeedDialog::contextMenu(), (std::vector<MenuEntry>{{2001, "&Select All"},
                                                               {2002, "&Deselect All"},
                                                               {kCmdSeparator, ""},
                                                               {2003, "&Invert Selection"}}));
  EXPECT_EQ(WeedDialog::commandPrompt(2001), "Selects all bookmarks.");
  EXPECT_EQ(WeedDialog::commandPrompt(2002), "Deselects all bookmarks.");
  EXPECT_EQ(WeedDialog::commandPrompt(2003), "Toggles the selection state of all bookmarks");

  dialog.toggle(2);
  EXPECT_EQ(dialog.runCommand(kCmdSelectAll), (std::vector<std::size_t>{1, 4, 5, 6}));
  EXPECT_EQ(states(), (States{5, kChecked, kChecked, 5, kChecked, kChecked, kChecked}));
  dialog.toggle(5);
  EXPECT_EQ(dialog.runCommand(kCmdInvertSelection), (std::vector<std::size_t>{1, 2, 4, 5, 6}));
  EXPECT_EQ(states(), (States{5, kUnchecked, kUnchecked, 5, kUnchecked, kChecked, kUnchecked}));
  EXPECT_EQ(dialog.runCommand(kCmdDeselectAll), (std::vector<std::size_t>{5}));
  EXPECT_EQ(states(), (States{5, kUnchecked, kUnchecked, 5, kUnchecked, kUnchecked, kUnchecked}));
}

TEST_F(WeedDialogTest, KeepingNothingAsksFirst) {
  ui.answer(Answer::No);
  EXPECT_FALSE(dialog.acceptOk(ui));  // stays open
  ui.answer(Answer::Yes);
  EXPECT_TRUE(dialog.acceptOk(ui));
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, kKeepNone, Question);
  EXPECT_MESSAGE(ui, 1, kKeepNone, Question);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(dialog.removeCount(), 5u);
  EXPECT_EQ(marks(), (std::vector<std::uint32_t>{1, 1, 1, 1, 1, 0}));
}

TEST_F(WeedDialogTest, AUrlWithNothingKeptAsksAndChangesAfterNoCount) {
  dialog.toggle(4);  // b1 kept, every bookmark of http://a/ goes
  ui.answer(Answer::No);
  EXPECT_FALSE(dialog.acceptOk(ui));
  EXPECT_MESSAGE(ui, 0, kUrlWithoutKeeper, Question);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(dialog.removeCount(), 4u);

  dialog.toggle(2);  // a2 kept now: no question
  EXPECT_TRUE(dialog.acceptOk(ui));
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(dialog.removeCount(), 3u);
  // List order: a1, a2, b1, b2, b3, alone.
  EXPECT_EQ(marks(), (std::vector<std::uint32_t>{1, 0, 0, 1, 1, 0}));
}

TEST_F(WeedDialogTest, KeepingEveryBookmarkClosesWithoutAQuestion) {
  dialog.runCommand(kCmdSelectAll);
  EXPECT_TRUE(dialog.acceptOk(ui));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(dialog.removeCount(), 0u);
  EXPECT_EQ(marks(), (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 0}));
}

TEST_F(WeedDialogTest, CancelLeavesNothingToRemove) {
  dialog.toggle(1);
  dialog.toggle(4);
  EXPECT_TRUE(dialog.acceptOk(ui));
  EXPECT_EQ(dialog.removeCount(), 3u);
  dialog.reject();
  EXPECT_EQ(dialog.removeCount(), 0u);
}

TEST_F(WeedDialogTest, ThePlacementIsSavedAtCloseAndBroughtBackIntoTheWorkArea) {
  const Rect work{0, 0, 1024, 768};
  const Size minimum{375, 244};
  EXPECT_EQ(dialog.openingPlacement(work, minimum), std::nullopt);  // nothing saved: "*"
  settings.write(setting::kWeedDlgPos, "1,2,3");
  EXPECT_EQ(dialog.openingPlacement(work, minimum), std::nullopt);

  dialog.savePlacement(true, {100, 50, 600, 450});
  EXPECT_EQ(settings.read(setting::kWeedDlgPos), "1,100,50,600,450");
  EXPECT_EQ(dialog.openingPlacement(work, minimum), (WeedDialogPos{true, {100, 50, 600, 450}}));

  // A top-left corner outside the work area moves the dialog, keeping its size.
  dialog.savePlacement(false, {-900, 50, -400, 450});
  EXPECT_EQ(dialog.openingPlacement(work, minimum), (WeedDialogPos{false, {10, 10, 510, 410}}));
}

TEST(WeedDialogColumns, HalveTheListAndFollowItsWidth) {
  EXPECT_EQ(WeedDialog::initialColumns(301), (ColumnWidths{150, 151}));
  EXPECT_EQ(WeedDialog::fitColumns({2048, 10}, 500), (ColumnWidths{2048, 10}));
  EXPECT_EQ(WeedDialog::fitColumns({600, 10}, 501), (ColumnWidths{250, 251}));
  EXPECT_EQ(WeedDialog::fitColumns({200, 10}, 500), (ColumnWidths{200, 300}));
  EXPECT_EQ(WeedDialog::fitColumns({500, 0}, 500), (ColumnWidths{500, 0}));
}

}  // namespace
}  // namespace linkfold::test
