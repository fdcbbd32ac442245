#include "DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

namespace linkfold::gui {

QSize dialogUnits(const QWidget& widget, int x, int y) {
  const QFontMetrics metrics = widget.fontMetrics();
  // The average width of the 52 letters, as the platform's dialog units measure it.
  const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  const int baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
  const int baseY = metrics.height();
  return {x * baseX / 4, y * baseY / 8};
}

}  // namespace linkfold::gui
