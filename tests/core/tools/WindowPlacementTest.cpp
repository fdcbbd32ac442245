#include <gtest/gtest.h>

#include <limits>

#include "support/CaseFile.h"
#include "tools/WindowPlacement.h"

namespace linkfold {
namespace {

constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

TEST(PlaceWindowInWorkArea, CutsFarEdgesKeepingTheMinimumOrMovesTo10By10) {
  const auto number = [](const std::string& word) {
    return word == "min" ? kMin : word == "max" ? kMax : std::stoi(word);
  };
  std::size_t rows = 0;
  for (const std::string& row : test::readCases("window-placement-cases.txt").at(0).lines("rows")) {
    std::istringstream words(row);
    std::vector<std::int32_t> v;
    for (std::string word; !row.starts_with('#') && words >> word;) v.push_back(number(word));
    if (v.empty()) continue;
    ASSERT_EQ(v.size(), 12u) << row;
    ++rows;
    EXPECT_EQ(PlaceWindowInWorkArea({v[0], v[1], v[2], v[3]}, {v[4], v[5], v[6], v[7]}, {300, 200}),
              (Rect{v[8], v[9], v[10], v[11]}))
        << row;
  }
  EXPECT_GT(rows, 10u);
}

TEST(ShowState, SavedStateReplacesOnlyANormalStartUp) {
  EXPECT_EQ(firstShowCommand(kShowNormal, kShowMaximized), kShowMaximized);
  EXPECT_EQ(firstShowCommand(kShowNormal, kShowMinimized), kShowMinimized);
  EXPECT_EQ(firstShowCommand(kShowMaximized, kShowMinimized), kShowMaximized);
  EXPECT_EQ(firstShowCommand(7, kShowMaximized), 7u);        // minimised without activation
  EXPECT_EQ(firstShowCommand(kShowNormal, 0), kShowNormal);  // a hidden start is never restored
  EXPECT_EQ(closingShowState(true, true), kShowMinimized);
  EXPECT_EQ(closingShowState(false, true), kShowMaximized);
  EXPECT_EQ(closingShowState(false, false), kShowNormal);
}

TEST(SavedPlacement, FormatsAndReads) {
  EXPECT_EQ(formatMainWindowPos({kShowMaximized, {-8, -8, 1288, 1000}}), "3,-8,-8,1288,1000");
  EXPECT_EQ(formatWeedDialogPos({true, {10, 20, 610, 420}}), "1,10,20,610,420");
  EXPECT_EQ(formatWeedDialogPos({false, {}}), "0,0,0,0,0");
  // White space before a number, signs, and decimal even with a leading 0.
  EXPECT_EQ(parseMainWindowPos(" 1,\t-10, +20,  010,620"), (MainWindowPos{1, {-10, 20, 10, 620}}));
  EXPECT_EQ(parseMainWindowPos("4294967295,0,0,1,1")->showState, 4294967295u);
  EXPECT_EQ(parseWeedDialogPos("7,0,0,1,1")->maximized, true);  // any non-zero flag
  EXPECT_EQ(parseWeedDialogPos("-1,-2147483648,0,2147483647,1"),
            (WeedDialogPos{true, {kMin, 0, kMax, 1}}));
}

TEST(SavedPlacement, RefusesEverythingButFiveNumbers) {
  for (const char* text :
       {"*", "", "1,2,3,4", "1,2,3,4,5,6", "1,2,3,4,5 ", "1 ,2,3,4,5", "1,,2,3,4", "1,2,3,4,5x",
        "a,1,2,3,4", "1,2,3,4,", "1,2,- 3,4,5", "1,0x10,3,4,5", "1,2147483648,0,0,0",
        "1,0,0,0,-2147483649", "1,99999999999999999999,0,0,0", "+,1,2,3,4"}) {
    EXPECT_FALSE(parseMainWindowPos(text)) << text;
    EXPECT_FALSE(parseWeedDialogPos(text)) << text;
  }
  EXPECT_FALSE(parseMainWindowPos("-1,0,0,1,1"));  // the show state is unsigned
  EXPECT_FALSE(parseMainWindowPos("4294967296,0,0,1,1"));
  EXPECT_FALSE(parseWeedDialogPos("2147483648,0,0,1,1"));
}

}  // namespace
}  // namespace linkfold
