#include <gtest/gtest.h>

#include <limits>

#include "tools/WindowPlacement.h"

namespace linkfold {
namespace {

constexpr Rect kWork{0, 0, 1920, 1040};
constexpr Size kFrameMinimum{300, 200};

TEST(PlaceWindowInWorkArea, RectangleInsideStaysAsItIs) {
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {100, 50, 900, 650}, kFrameMinimum),
            (Rect{100, 50, 900, 650}));
  // Smaller than the minimum but not cut: never enlarged.
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {100, 100, 200, 150}, kFrameMinimum),
            (Rect{100, 100, 200, 150}));
}

TEST(PlaceWindowInWorkArea, FarEdgesAreCutAndKeepTheMinimum) {
  // 200 pixels past the right edge, 420 left after the cut.
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {1500, 100, 2120, 600}, kFrameMinimum),
            (Rect{1500, 100, 1920, 600}));
  // Only 220 left after the cut: moved left to keep 300.
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {1700, 100, 2100, 500}, kFrameMinimum),
            (Rect{1620, 100, 1920, 500}));
  // Below the bottom with 140 left: moved up to keep 200.
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {100, 900, 500, 1300}, kFrameMinimum),
            (Rect{100, 840, 500, 1040}));
  // Both at once, in a work area that does not start at 0,0 (a monitor left of the primary).
  EXPECT_EQ(PlaceWindowInWorkArea({-1920, 30, 0, 1080}, {-100, 1000, 400, 1400}, kFrameMinimum),
            (Rect{-300, 880, 0, 1080}));
}

TEST(PlaceWindowInWorkArea, TopLeftOutsideMovesTo10By10KeepingTheSize) {
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {-500, -300, 300, 200}, kFrameMinimum),
            (Rect{10, 10, 810, 510}));
  // The work area's right and bottom edges lie outside it.
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {1920, 100, 2020, 300}, kFrameMinimum),
            (Rect{10, 10, 110, 210}));
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {100, 1040, 200, 1100}, kFrameMinimum),
            (Rect{10, 10, 110, 70}));
  // A work area below a top task bar.
  EXPECT_EQ(PlaceWindowInWorkArea({0, 40, 1280, 1024}, {3000, 3000, 3400, 3300}, kFrameMinimum),
            (Rect{10, 50, 410, 350}));
}

TEST(PlaceWindowInWorkArea, BothRectanglesAreNormalisedFirst) {
  EXPECT_EQ(normalized({900, 650, 100, 50}), (Rect{100, 50, 900, 650}));
  EXPECT_EQ(PlaceWindowInWorkArea({1920, 1040, 0, 0}, {2100, 500, 1700, 100}, kFrameMinimum),
            (Rect{1620, 100, 1920, 500}));
}

TEST(PlaceWindowInWorkArea, ExtremeSavedValuesStayInRange) {
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {kMin, kMin, kMax, kMax}, kFrameMinimum),
            (Rect{10, 10, kMax, kMax}));
  EXPECT_EQ(PlaceWindowInWorkArea(kWork, {0, 0, kMax, kMax}, kFrameMinimum),
            (Rect{0, 0, 1920, 1040}));
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

TEST(SavedPlacement, FormatsAndReadsBack) {
  const MainWindowPos frame{kShowMaximized, {-8, -8, 1288, 1000}};
  EXPECT_EQ(formatMainWindowPos(frame), "3,-8,-8,1288,1000");
  EXPECT_EQ(parseMainWindowPos("3,-8,-8,1288,1000"), frame);
  const WeedDialogPos dialog{true, {10, 20, 610, 420}};
  EXPECT_EQ(formatWeedDialogPos(dialog), "1,10,20,610,420");
  EXPECT_EQ(parseWeedDialogPos("1,10,20,610,420"), dialog);
  EXPECT_EQ(formatWeedDialogPos({false, {}}), "0,0,0,0,0");
}

TEST(SavedPlacement, AcceptsWhiteSpaceBeforeNumbersAndSigns) {
  EXPECT_EQ(parseMainWindowPos(" 1,\t-10, +20,  810,620"), (MainWindowPos{1, {-10, 20, 810, 620}}));
  EXPECT_EQ(parseMainWindowPos("4294967295,0,0,1,1")->showState, 4294967295u);
  EXPECT_EQ(parseMainWindowPos("1,010,0,1,1")->rect.left, 10);  // decimal, not octal
  EXPECT_EQ(parseWeedDialogPos("7,0,0,1,1")->maximized, true);  // any non-zero flag
  EXPECT_EQ(parseWeedDialogPos("-1,0,0,1,1")->maximized, true);
  EXPECT_EQ(parseWeedDialogPos("1,-2147483648,0,2147483647,1")->rect,
            (Rect{std::numeric_limits<std::int32_t>::min(), 0,
                  std::numeric_limits<std::int32_t>::max(), 1}));
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
