#include "CCheckListCtrl.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QStyledItemDelegate>
#include <utility>

#include "QtText.h"
#include "WeedListModel.h"
#include "tree/ItemImages.h"

namespace linkfold::gui {

namespace {

// Lets the list ask where the delegate draws a row's picture.
class CheckListDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::initStyleOption;
  using QStyledItemDelegate::QStyledItemDelegate;
};

}  // namespace

CCheckListCtrl::CCheckListCtrl(WeedListModel& model, QWidget* parent)
    : QTreeView(parent), model_(model) {
  setObjectName(QStringLiteral("weedList"));
  const std::optional<std::size_t> firstSelected = model_.weed().selectedRow;
  setItemDelegate(new CheckListDelegate(this));
  setModel(&model_);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(WeedListModel::decorationSize());
  setTextElideMode(Qt::ElideRight);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  // Setting the model announced "no current row"; the dialog's own selection comes back here.
  if (firstSelected)
    selectionModel()->setCurrentIndex(
        model_.index(static_cast<int>(*firstSelected), 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QRect CCheckListCtrl::checkBoxRect(int row) const {
  const QModelIndex index = model_.index(row, 0);
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  static_cast<CheckListDelegate*>(itemDelegate())->initStyleOption(&option, index);
  QRect picture = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
  picture.setWidth(ItemImages::size().width());
  return picture;
}

void CCheckListCtrl::mouseReleaseEvent(QMouseEvent* event) {
  QTreeView::mouseReleaseEvent(event);
  // The release that ends a double click is not a click of its own.
  if (std::exchange(releaseEndsDoubleClick_, false) || event->button() != Qt::LeftButton) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid()) return;
  const bool onCheckBox = checkBoxRect(index.row()).contains(event->position().toPoint());
  if (model_.weed().clicked(static_cast<std::size_t>(index.row()), onCheckBox))
    model_.rowsChanged({static_cast<std::size_t>(index.row())});
}

void CCheckListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeView::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  releaseEndsDoubleClick_ = true;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && model_.weed().doubleClicked(static_cast<std::size_t>(index.row())))
    model_.rowsChanged({static_cast<std::size_t>(index.row())});
}

void CCheckListCtrl::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
    QTreeView::keyPressEvent(event);
    return;
  }
  if (const auto row = model_.weed().spacePressed()) model_.rowsChanged({*row});
  event->accept();
}

void CCheckListCtrl::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  for (const MenuEntry& entry : WeedDialog::contextMenu()) {
    if (entry.id == kCmdSeparator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(toDisplay(entry.text));
    action->setStatusTip(toDisplay(WeedDialog::commandPrompt(entry.id)));
    connect(action, &QAction::triggered, this,
            [this, id = entry.id] { model_.rowsChanged(model_.weed().runCommand(id)); });
  }
  QPoint at = QCursor::pos();
  // From the keyboard with the pointer elsewhere, the menu opens centred on the list.
  if (event->reason() == QContextMenuEvent::Keyboard &&
      !viewport()->rect().contains(viewport()->mapFromGlobal(at))) {
    at = viewport()->mapToGlobal(viewport()->rect().center());
    at.rx() -= menu.sizeHint().width() / 2;
  }
  menu.exec(at);
  event->accept();
}

void CCheckListCtrl::showEvent(QShowEvent* event) {
  QTreeView::showEvent(event);
  // The first showing has the list at its opening size: half and half.
  if (std::exchange(columnsSet_, true)) return;
  setColumns(WeedDialog::initialColumns(viewport()->width()));
}

void CCheckListCtrl::resizeEvent(QResizeEvent* event) {
  QTreeView::resizeEvent(event);
  if (columnsSet_) fitColumns();
}

void CCheckListCtrl::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (current.isValid())
    model_.weed().selectedRow = static_cast<std::size_t>(current.row());
  else
    model_.weed().selectedRow.reset();
}

void CCheckListCtrl::fitColumns() {
  const int width = viewport()->width();
  const ColumnWidths current{header()->sectionSize(0), header()->sectionSize(1)};
  const ColumnWidths fitted = WeedDialog::fitColumns(current, width);
  if (fitted != current) setColumns(fitted);
}

void CCheckListCtrl::setColumns(const ColumnWidths& widths) {
  header()->resizeSection(0, widths.urlOrFolder);
  header()->resizeSection(1, widths.pageName);
}

}  // namespace linkfold::gui
