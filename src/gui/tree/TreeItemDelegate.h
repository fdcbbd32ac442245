#pragma once
// Draws one row of the library tree the way the tree control drew it: the check box from the
// state image, the item's image, and the label, highlighted when selected or drop-highlighted.
// The same layout answers the hit test, so that what is drawn is what is clicked.

#include <QRect>
#include <QStyledItemDelegate>

#include "view/CSortedTreeCtrl.h"

namespace linkfold::gui {

// Where the parts of a row lie, from the rectangle the view gives the item (right of its
// indentation) and the width of its label.
struct ItemLayout {
  QRect stateIcon;
  QRect icon;
  QRect label;

  static ItemLayout of(const QRect& itemRect, int labelWidth);
};

class TreeItemDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  TreeItemDelegate(const CSortedTreeCtrl& tree, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The label's width in the view's font, padding included.
  static int labelWidth(const QFontMetrics& metrics, const QString& text);
  // A picture of the item's image and label, for dragging it.
  static QPixmap dragImage(const QModelIndex& index, const QFont& font, qreal devicePixelRatio);

 private:
  const CSortedTreeCtrl& tree_;
};

}  // namespace linkfold::gui
