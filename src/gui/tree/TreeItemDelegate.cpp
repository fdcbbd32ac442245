#include "tree/TreeItemDelegate.h"

#include <QApplication>
#include <QPainter>

#include "tree/ItemImages.h"
#include "tree/LibraryTreeModel.h"

namespace linkfold::gui {
namespace {

constexpr int kGap = 2;           // between the check box and the image
constexpr int kLabelPadding = 2;  // each side of the label's text
constexpr int kRowPadding = 2;    // above and below, together

QString labelOf(const QModelIndex& index) {
  return index.data(Qt::DisplayRole).toString();
}

// The taller of the image and the text, with the row's padding.
int rowHeight(const QFontMetrics& metrics) {
  return std::max(ItemImages::size().height(), metrics.height()) + kRowPadding;
}

}  // namespace

ItemLayout ItemLayout::of(const QRect& itemRect, int labelWidth) {
  const QSize image = ItemImages::size();
  const int top = itemRect.top() + (itemRect.height() - image.height()) / 2;
  ItemLayout layout;
  layout.stateIcon = QRect(QPoint(itemRect.left(), top), image);
  layout.icon = QRect(QPoint(layout.stateIcon.right() + 1 + kGap, top), image);
  layout.label =
      QRect(layout.icon.right() + 1 + kGap, itemRect.top(), labelWidth, itemRect.height());
  return layout;
}

int TreeItemDelegate::labelWidth(const QFontMetrics& metrics, const QString& text) {
  return metrics.horizontalAdvance(text) + 2 * kLabelPadding;
}

TreeItemDelegate::TreeItemDelegate(const CSortedTreeCtrl& tree, QObject* parent)
    : QStyledItemDelegate(parent), tree_(tree) {}

QSize TreeItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const int height = rowHeight(option.fontMetrics);
  const ItemLayout layout =
      ItemLayout::of(QRect(0, 0, 0, height), labelWidth(option.fontMetrics, labelOf(index)));
  return {layout.label.right() + 1, height};
}

void TreeItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const TreeItem item = LibraryTreeModel::itemOf(index);
  const QString label = labelOf(index);
  const ItemLayout layout = ItemLayout::of(option.rect, labelWidth(option.fontMetrics, label));
  const qreal ratio = painter->device()->devicePixelRatioF();

  const auto state = index.data(LibraryTreeModel::kStateImageRole).toInt();
  painter->drawPixmap(layout.stateIcon, ItemImages::statePixmap(state, ratio));
  painter->drawPixmap(layout.icon, ItemImages::normalPixmap(tree_.image(item), ratio));

  // While something is dragged over the tree, the drop highlight stands in for the selection.
  const TreeItem dropHighlight = tree_.dropHighlight();
  const bool highlighted = dropHighlight != kNoItem ? item == dropHighlight
                                                    : (option.state & QStyle::State_Selected) != 0;
  const bool active = (option.state & QStyle::State_Active) != 0;
  const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
  if (highlighted)
    painter->fillRect(layout.label, option.palette.brush(group, QPalette::Highlight));
  painter->setPen(
      option.palette.color(group, highlighted ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(option.font);
  painter->drawText(layout.label.adjusted(kLabelPadding, 0, -kLabelPadding, 0),
                    Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, label);
  if ((option.state & QStyle::State_HasFocus) && dropHighlight == kNoItem) {
    painter->setPen(QPen(option.palette.color(group, QPalette::Text), 1, Qt::DotLine));
    painter->drawRect(layout.label.adjusted(0, 0, -1, -1));
  }
}

QPixmap TreeItemDelegate::dragImage(const QModelIndex& index, const QFont& font, qreal ratio) {
  // The item's image and label, as the row shows them, without the check box.
  const QFontMetrics metrics(font);
  const QString label = labelOf(index);
  const int height = rowHeight(metrics);
  const QRect row(0, 0, 0, height);
  const ItemLayout layout = ItemLayout::of(row, labelWidth(metrics, label));
  const QPoint shift(-layout.icon.left(), 0);
  QPixmap pixmap(QSize(layout.label.right() + 1 + shift.x(), height) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const auto* model = qobject_cast<const LibraryTreeModel*>(index.model());
  const int image = model ? model->tree().image(LibraryTreeModel::itemOf(index)) : kImageFolder;
  painter.drawPixmap(layout.icon.translated(shift), ItemImages::normalPixmap(image, ratio));
  painter.setFont(font);
  painter.setPen(QApplication::palette().color(QPalette::Text));
  painter.drawText(layout.label.translated(shift).adjusted(kLabelPadding, 0, 0, 0),
                   Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, label);
  return pixmap;
}

}  // namespace linkfold::gui
