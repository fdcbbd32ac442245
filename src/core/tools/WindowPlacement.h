#pragma once
// Saved window placement: the rule that brings a saved rectangle back into the work area, and
// the two settings that keep a placement between runs ("MainWindowPos" for the main window,
// "WeedDlgPos" for the Weed Duplicates dialog).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace linkfold {

// A rectangle in screen pixels; right and bottom lie just outside it.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// left <= right and top <= bottom.
Rect normalized(const Rect& rect);

// The rectangle to move a window to. When the saved rectangle's top-left corner lies inside
// the work area, its right and bottom edges are cut at the work area's; an edge so cut leaves
// at least the minimum width (height) by moving the left (top) edge. A rectangle that is not
// cut is never enlarged. Otherwise the rectangle keeps its size and moves to 10 pixels right of
// and below the work area's top-left corner. Coordinates that would leave the 32-bit range
// stop at its ends.
Rect PlaceWindowInWorkArea(const Rect& workArea, const Rect& saved, Size minimum);

// Show states of the main window, as the platform numbers them.
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMaximized = 3;
inline constexpr std::uint32_t kShowMinimized = 6;

// The main window's state when it closes.
std::uint32_t closingShowState(bool minimized, bool maximized);
// How the main window first appears: a normal start-up command gives way to the saved state;
// any other start-up command (a shortcut set to run maximised, say) wins. A saved state other
// than the three the program writes counts as normal, so a hand-edited value cannot start the
// program hidden.
std::uint32_t firstShowCommand(std::uint32_t startupCommand, std::uint32_t savedState);

struct MainWindowPos {
  std::uint32_t showState = kShowNormal;
  Rect rect;  // the restored window
  friend bool operator==(const MainWindowPos&, const MainWindowPos&) = default;
};

struct WeedDialogPos {
  bool maximized = false;
  Rect rect;  // the restored dialog
  friend bool operator==(const WeedDialogPos&, const WeedDialogPos&) = default;
};

// Nothing for "*" (no placement saved) and for anything that is not exactly five numbers
// separated by commas.
std::optional<MainWindowPos> parseMainWindowPos(std::string_view text);
std::optional<WeedDialogPos> parseWeedDialogPos(std::string_view text);
std::string formatMainWindowPos(const MainWindowPos& pos);
std::string formatWeedDialogPos(const WeedDialogPos& pos);

}  // namespace linkfold
