#include "tree/LibraryTreeModel.h"

#include "platform/CaseFold.h"
#include "platform/DisplayText.h"
#include "tree/ItemImages.h"

namespace linkfold::gui {

QString displayString(const std::string& bytes) {
  if (isValidUtf8(bytes))
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString::fromStdString(windows1252ToUtf8(bytes));
}

namespace {

// One icon per image, made once: data() runs for every row painted.
QIcon imageIcon(int image) {
  static const QIcon icons[] = {ItemImages::normalIcon(0), ItemImages::normalIcon(1),
                                ItemImages::normalIcon(2), ItemImages::normalIcon(3)};
  return image >= 0 && image < ItemImages::kNormalCount ? icons[image] : QIcon();
}

}  // namespace

LibraryTreeModel::LibraryTreeModel(CSortedTreeCtrl& tree, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree) {
  tree_.addObserver(this);
}

LibraryTreeModel::~LibraryTreeModel() {
  tree_.removeObserver(this);
}

QModelIndex LibraryTreeModel::indexOf(TreeItem item) const {
  if (resetting_ || !tree_.exists(item)) return {};
  return createIndex(static_cast<int>(tree_.row(item)), 0, quintptr{item});
}

QModelIndex LibraryTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (resetting_ || row < 0 || column != 0 || (parent.isValid() && parent.column() != 0)) return {};
  const auto& list = tree_.children(itemOf(parent));
  if (static_cast<std::size_t>(row) >= list.size()) return {};
  return createIndex(row, 0, quintptr{list[static_cast<std::size_t>(row)]});
}

QModelIndex LibraryTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid()) return {};
  return indexOf(tree_.parent(itemOf(child)));
}

int LibraryTreeModel::rowCount(const QModelIndex& parent) const {
  if (resetting_ || (parent.isValid() && parent.column() != 0)) return 0;
  return static_cast<int>(tree_.children(itemOf(parent)).size());
}

int LibraryTreeModel::columnCount(const QModelIndex&) const {
  return 1;
}

bool LibraryTreeModel::hasChildren(const QModelIndex& parent) const {
  if (!parent.isValid()) return rowCount() > 0;
  return parent.column() == 0 && tree_.hasChildren(itemOf(parent));
}

QVariant LibraryTreeModel::data(const QModelIndex& index, int role) const {
  const TreeItem item = itemOf(index);
  if (!index.isValid() || !tree_.exists(item)) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return displayString(tree_.label(item));
    case Qt::DecorationRole:
      return imageIcon(tree_.image(item));
    case kStateImageRole:
      return static_cast<int>(tree_.state(item));
    default:
      return {};
  }
}

Qt::ItemFlags LibraryTreeModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  // Bookmarks never hold items: the view then spares them the branch button and the lookups.
  if (tree_.image(itemOf(index)) == kImageBookmark) flags |= Qt::ItemNeverHasChildren;
  return flags;
}

void LibraryTreeModel::aboutToReset() {
  beginResetModel();
  resetting_ = true;
}

void LibraryTreeModel::reset() {
  resetting_ = false;
  endResetModel();
}

void LibraryTreeModel::aboutToInsert(TreeItem parent, std::size_t row) {
  const int r = static_cast<int>(row);
  beginInsertRows(indexOf(parent), r, r);
}

void LibraryTreeModel::inserted(TreeItem) {
  endInsertRows();
}

void LibraryTreeModel::aboutToRemove(TreeItem parent, std::size_t row) {
  const int r = static_cast<int>(row);
  beginRemoveRows(indexOf(parent), r, r);
}

void LibraryTreeModel::removed(TreeItem, std::size_t) {
  endRemoveRows();
}

void LibraryTreeModel::changed(TreeItem item) {
  const QModelIndex index = indexOf(item);
  if (index.isValid()) emit dataChanged(index, index);
}

}  // namespace linkfold::gui
