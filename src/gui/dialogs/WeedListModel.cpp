#include "WeedListModel.h"

#include <QPainter>
#include <algorithm>

#include "QtText.h"
#include "tree/ItemImages.h"

namespace linkfold::gui {

namespace {

// A list's state image n is picture n - 1 of the state images.
QIcon sideBySide(std::uint32_t state, int icon) {
  QIcon result;
  for (const qreal ratio : {1.0, 2.0}) {
    const QSize size = WeedListModel::decorationSize() * ratio;
    QPixmap pixmap(size);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.drawPixmap(0, 0, ItemImages::statePixmap(static_cast<int>(state) - 1, ratio));
    painter.drawPixmap(ItemImages::size().width(), 0, ItemImages::normalPixmap(icon, ratio));
    painter.end();
    result.addPixmap(pixmap);
  }
  return result;
}

}  // namespace

WeedListModel::WeedListModel(WeedDialog& weed, QObject* parent)
    : QAbstractTableModel(parent),
      weed_(weed),
      decorations_{sideBySide(WeedRow::kUrlState, WeedRow::kGroupIcon),
                   sideBySide(WeedRow::kUncheckedState, WeedRow::kBookmarkIcon),
                   sideBySide(WeedRow::kCheckedState, WeedRow::kBookmarkIcon)} {}

QSize WeedListModel::decorationSize() {
  return {ItemImages::size().width() * 2, ItemImages::size().height()};
}

int WeedListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(weed_.rows().size());
}

int WeedListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant WeedListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return toDisplay(weed_.cellText(row, index.column()));
    case Qt::DecorationRole:
      if (index.column() == 0) return decoration(weed_.rows()[row]);
      break;
    case Qt::AccessibleDescriptionRole:
      if (index.column() == 0 && !weed_.rows()[row].isGroup())
        return weed_.rows()[row].state == WeedRow::kCheckedState ? tr("kept") : tr("not kept");
      break;
    default:
      break;
  }
  return {};
}

QVariant WeedListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return QString::fromUtf8(section == 0 ? WeedDialog::kUrlColumn : WeedDialog::kNameColumn);
}

void WeedListModel::rowsChanged(const std::vector<std::size_t>& rows) {
  if (rows.empty()) return;
  // One notice for the span: Select All over a long list repaints once.
  const auto [first, last] = std::minmax_element(rows.begin(), rows.end());
  emit dataChanged(index(static_cast<int>(*first), 0), index(static_cast<int>(*last), 0),
                   {Qt::DecorationRole, Qt::AccessibleDescriptionRole});
}

const QIcon& WeedListModel::decoration(const WeedRow& row) const {
  if (row.isGroup()) return decorations_[0];
  return decorations_[row.state == WeedRow::kCheckedState ? 2 : 1];
}

}  // namespace linkfold::gui
