#include <gtest/gtest.h>

#include <limits>

#include "tools/WindowPlacement.h"

namespace linkfold {
namespace {

constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

TEST(PlaceWindowInWorkArea, CutsFarEdgesKeepingTheMinimumOrMovesTo10By10) {
  constexpr Rect kWork{0, 0, 1920, 1040};
  const struct {
    Rect work, saved, expected;
  } cases[] = {
      {kWork, {100, 50, 900, 650}, {100, 50, 900, 650}},
      {kWork, {100, 100, 200, 150}, {100, 100, 200, 150}},      // under the minimum: not enlarged
      {kWork, {1500, 100, 2120, 600}, {1500, 100, 1920, 600}},  // 420 left after the cut
      {kWork, {1700, 100, 2100, 500}, {1620, 100, 1920, 500}},  // 220 left: moved to keep 300
      {kWork, {100, 900, 500, 1300}, {100, 840, 500, 1040}},    // 140 left: moved to keep 200
      // Both edges, in a work area left of the primary monitor.
      {{-1920, 30, 0, 1080}, {-100, 1000, 400, 1400}, {-300, 880, 0, 1080}},
      // Top-left corner outside, also on the work area's right or bottom edge: size kept.
      {kWork, {-500, -300, 300, 200}, {10, 10, 810, 510}},
      {kWork, {1920, 100, 2020, 300}, {10, 10, 110, 210}},
      {kWork, {100, 1040, 200, 1100}, {10, 10, 110, 70}},
      {{0, 40, 1280, 1024}, {3000, 3000, 3400, 3300}, {10, 50, 410, 350}},  // top task bar
      // Both rectangles normalised first.
      {{1920, 1040, 0, 0}, {2100, 500, 1700, 100}, {1620, 100, 1920, 500}},
      // Values at the ends of the 32-bit range stay in it.
      {kWork, {kMin, kMin, kMax, kMax}, {10, 10, kMax, kMax}},
      {kWork, {0, 0, kMax, kMax}, {0, 0, 1920, 1040}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlaceWindowInWorkArea(c.work, c.saved, {300, 200}), c.expected)
        << c.saved.left << ',' << c.saved.top << ',' << c.saved.right << ',' << c.saved.bottom;
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
