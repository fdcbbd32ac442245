#pragma once
// Sizes given in dialog units (a quarter of the average character width across, an eighth of
// the character height down) in pixels for a widget's font.

#include <QSize>

class QWidget;

namespace linkfold::gui {

QSize dialogUnits(const QWidget& widget, int x, int y);

}  // namespace linkfold::gui
