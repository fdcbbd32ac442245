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

TEST(SavedPlacement, ReadsExactlyFiveNumbersAndWritesThemAgain) {
  EXPECT_EQ(formatMainWindowPos({kShowMaximized, {-8, -8, 1288, 1000}}), "3,-8,-8,1288,1000");
  EXPECT_EQ(formatWeedDialogPos({true, {10, 20, 610, 420}}), "1,10,20,610,420");
  EXPECT_EQ(formatWeedDialogPos({false, {}}), "0,0,0,0,0");
  const auto shown = [](const auto& pos, auto format) { return pos ? format(*pos) : "-"; };
  const auto rows = test::readCases("window-placement-cases.txt").at(1).lines("rows");
  for (const std::string& row : rows) {
    if (row.starts_with('#')) continue;
    const std::string text = row.substr(0, row.find('|'));
    EXPECT_EQ(shown(parseMainWindowPos(text), formatMainWindowPos) + "|" +
                  shown(parseWeedDialogPos(text), formatWeedDialogPos),
              row.substr(text.size() + 1))
        << row;
  }
  EXPECT_EQ(rows.size(), 24u);
}

}  // namespace
}  // namespace linkfold
