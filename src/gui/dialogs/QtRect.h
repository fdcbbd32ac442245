#pragma once
// Window rectangles between Qt (corner and size) and the core's placement rules (corner and
// the edges just outside), for the main window and the Weed Duplicates dialog.

#include <QRect>

#include "tools/WindowPlacement.h"

namespace linkfold::gui {

inline Rect toRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline QRect toQRect(const Rect& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace linkfold::gui
