#include "tools/WindowPlacement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <utility>

#include "platform/Text.h"

namespace linkfold {

Rect normalized(const Rect& rect) {
  Rect r = rect;
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

namespace {

// The geometry runs in 64 bits: saved values come from a settings store anyone can edit, and
// sizes or offsets of 32-bit coordinates can leave the 32-bit range.
using Coord = std::int64_t;

std::int32_t saturated(Coord value) {
  return static_cast<std::int32_t>(std::clamp<Coord>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Cuts the far edge at the work area's and keeps at least `minimum` before it.
void clipFarEdge(Coord& nearEdge, Coord& farEdge, Coord workFarEdge, Coord minimum) {
  if (farEdge <= workFarEdge) return;
  farEdge = workFarEdge;
  if (workFarEdge - nearEdge < minimum) nearEdge = workFarEdge - minimum;
}

}  // namespace

Rect PlaceWindowInWorkArea(const Rect& workArea, const Rect& saved, Size minimum) {
  const Rect work = normalized(workArea);
  const Rect rect = normalized(saved);
  Coord left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
  const bool topLeftInside =
      work.left <= left && left < work.right && work.top <= top && top < work.bottom;
  if (topLeftInside) {
    clipFarEdge(left, right, work.right, minimum.width);
    clipFarEdge(top, bottom, work.bottom, minimum.height);
  } else {
    const Coord width = right - left, height = bottom - top;
    left = Coord{work.left} + 10;
    top = Coord{work.top} + 10;
    right = left + width;
    bottom = top + height;
  }
  return {saturated(left), saturated(top), saturated(right), saturated(bottom)};
}

std::uint32_t closingShowState(bool minimized, bool maximized) {
  if (minimized) return kShowMinimized;
  return maximized ? kShowMaximized : kShowNormal;
}

std::uint32_t firstShowCommand(std::uint32_t startupCommand, std::uint32_t savedState) {
  if (startupCommand != kShowNormal) return startupCommand;
  const bool known =
      savedState == kShowNormal || savedState == kShowMaximized || savedState == kShowMinimized;
  return known ? savedState : kShowNormal;
}

namespace {

// Both settings were written with a scanf-style format of five numbers ("%u,%i,%i,%i,%i" and
// "%i,%i,%i,%i,%i"). Reading accepts what that scanner accepts for the numbers this program
// writes: white space before each number, an optional sign, decimal digits, and a comma right
// after each of the first four numbers. It is stricter in three ways: a number must fit in 32
// bits; a leading "0" or "0x" does not switch to octal or hexadecimal (the program writes
// decimal, and a hand-edited "010" means ten); and nothing may follow the fifth number, so that
// six numbers are not taken for five.
std::optional<std::array<Coord, 5>> readFiveNumbers(std::string_view text) {
  std::array<Coord, 5> numbers{};
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) {
      if (at == end || *at != ',') return std::nullopt;
      ++at;
    }
    while (at != end && isNameWhite(*at)) ++at;
    const bool negative = at != end && *at == '-';
    if (at != end && (*at == '-' || *at == '+')) ++at;
    if (at == end || *at < '0' || *at > '9') return std::nullopt;
    std::uint32_t magnitude = 0;
    const auto [next, error] = std::from_chars(at, end, magnitude);
    if (error != std::errc()) return std::nullopt;
    at = next;
    numbers[i] = negative ? -Coord{magnitude} : Coord{magnitude};
  }
  if (at != end) return std::nullopt;
  return numbers;
}

bool fitsInt32(Coord value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

// Fields 1 to 4 as the rectangle, when each fits a signed 32-bit number.
std::optional<Rect> rectangleOf(const std::array<Coord, 5>& n) {
  if (!std::all_of(n.begin() + 1, n.end(), fitsInt32)) return std::nullopt;
  return Rect{static_cast<std::int32_t>(n[1]), static_cast<std::int32_t>(n[2]),
              static_cast<std::int32_t>(n[3]), static_cast<std::int32_t>(n[4])};
}

std::string joined(Coord first, const Rect& r) {
  return std::to_string(first) + ',' + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' +
         std::to_string(r.right) + ',' + std::to_string(r.bottom);
}

}  // namespace

std::optional<MainWindowPos> parseMainWindowPos(std::string_view text) {
  const auto numbers = readFiveNumbers(text);
  if (!numbers || (*numbers)[0] < 0) return std::nullopt;  // the show state is unsigned
  const auto rect = rectangleOf(*numbers);
  if (!rect) return std::nullopt;
  return MainWindowPos{static_cast<std::uint32_t>((*numbers)[0]), *rect};
}

std::optional<WeedDialogPos> parseWeedDialogPos(std::string_view text) {
  const auto numbers = readFiveNumbers(text);
  if (!numbers || !fitsInt32((*numbers)[0])) return std::nullopt;
  const auto rect = rectangleOf(*numbers);
  if (!rect) return std::nullopt;
  return WeedDialogPos{(*numbers)[0] != 0, *rect};
}

std::string formatMainWindowPos(const MainWindowPos& pos) {
  return joined(pos.showState, pos.rect);
}

std::string formatWeedDialogPos(const WeedDialogPos& pos) {
  return joined(pos.maximized ? 1 : 0, pos.rect);
}

}  // namespace linkfold
