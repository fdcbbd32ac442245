#include "tree/LibraryTreeWidget.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <utility>

#include "tree/TreeItemDelegate.h"

namespace linkfold::gui {
namespace {

// Beyond this many expansions in one turn of the event loop (Expand All) the view lays itself
// out once afterwards instead of once per folder.
constexpr int kExpansionsLaidOutOneByOne = 16;

// Highlights only the label of the selected item, as the tree control did, not its indentation.
class LabelSelectionStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_ItemView_ShowDecorationSelected) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

// One for every tree, owned by the application: a widget never owns its style, and the style
// must outlive every widget that uses it.
QStyle* labelSelectionStyle() {
  static QPointer<LabelSelectionStyle> style;
  if (!style) {
    style = new LabelSelectionStyle;
    style->setParent(QCoreApplication::instance());
  }
  return style;
}

// Sets a flag for the lifetime of the object.
class Following {
 public:
  explicit Following(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~Following() { flag_ = was_; }
  Following(const Following&) = delete;
  Following& operator=(const Following&) = delete;

 private:
  bool& flag_;
  bool was_;
};

// The width the delegate gives the row's label.
int labelWidthOf(const QTreeView& view, const QModelIndex& index) {
  return TreeItemDelegate::labelWidth(view.fontMetrics(), index.data().toString());
}

}  // namespace

LibraryTreeWidget::LibraryTreeWidget(CLFView& view, QWidget* parent)
    : QTreeView(parent), view_(view), model_(new LibraryTreeModel(view.tree(), this)) {
  setModel(model_);
  setItemDelegate(new TreeItemDelegate(view.tree(), this));
  setStyle(labelSelectionStyle());
  setHeaderHidden(true);
  setUniformRowHeights(true);  // a million rows are laid out without asking each one's size
  setRootIsDecorated(true);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setDragEnabled(false);  // the drag is this widget's own, see LibraryTreeDrag.cpp
  setAllColumnsShowFocus(false);
  setExpandsOnDoubleClick(true);
  // The column is as wide as the labels on screen, so that long labels scroll sideways.
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setResizeContentsPrecision(0);
  view_.tree().addObserver(this);

  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!following_ && current.isValid())
              view_.tree().select(LibraryTreeModel::itemOf(current));
          });
  connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
    if (!following_)
      view_.tree().expand(LibraryTreeModel::itemOf(index), CSortedTreeCtrl::Expand::Expand);
  });
  connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
    if (!following_)
      view_.tree().expand(LibraryTreeModel::itemOf(index), CSortedTreeCtrl::Expand::Collapse);
  });
  connect(model_, &QAbstractItemModel::modelReset, this, &LibraryTreeWidget::followReset);
  connect(&scrollTimer_, &QTimer::timeout, this, &LibraryTreeWidget::scrollOneStep);
  followReset();
}

LibraryTreeWidget::~LibraryTreeWidget() {
  view_.tree().removeObserver(this);
}

// ---- Following the core ----

void LibraryTreeWidget::selectionChanged(TreeItem item) {
  if (!model_->isResetting()) showSelection(item);
}

void LibraryTreeWidget::showSelection(TreeItem item) {
  const Following following(following_);
  const QModelIndex index = model_->indexOf(item);
  if (index.isValid())
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  else
    selectionModel()->clear();
}

void LibraryTreeWidget::dropHighlightChanged(TreeItem) {
  viewport()->update();
}

void LibraryTreeWidget::expansionChanged(TreeItem item, bool expanded) {
  if (model_->isResetting()) return;
  const QModelIndex index = model_->indexOf(item);
  if (!index.isValid()) return;
  if (expansionsThisTurn_++ == 0) QTimer::singleShot(0, this, [this] { expansionsThisTurn_ = 0; });
  if (expansionsThisTurn_ == kExpansionsLaidOutOneByOne) scheduleDelayedItemsLayout();
  const Following following(following_);
  setExpanded(index, expanded);
}

void LibraryTreeWidget::scrollIntoView(TreeItem item) {
  const QModelIndex index = model_->indexOf(item);
  if (index.isValid()) scrollTo(index);
}

void LibraryTreeWidget::followReset() {
  scheduleDelayedItemsLayout();
  expandLikeCore();
  showSelection(view_.tree().selected());
}

void LibraryTreeWidget::expandLikeCore() {
  // Only expanded folders are walked: the items inside collapsed ones keep no state of the
  // view. An explicit stack, so that a deep library cannot exhaust the call stack.
  const CSortedTreeCtrl& tree = view_.tree();
  const Following following(following_);
  std::vector<TreeItem> pending(tree.children(kNoItem).begin(), tree.children(kNoItem).end());
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    if (!tree.isExpanded(item)) continue;
    setExpanded(model_->indexOf(item), true);
    pending.insert(pending.end(), tree.children(item).begin(), tree.children(item).end());
  }
}

// ---- Hit test ----

QRect LibraryTreeWidget::itemRect(TreeItem item) const {
  const QModelIndex index = model_->indexOf(item);
  return index.isValid() ? visualRect(index) : QRect();
}

QRect LibraryTreeWidget::stateIconRect(TreeItem item) const {
  const QRect rect = itemRect(item);
  return rect.isValid() ? ItemLayout::of(rect, 0).stateIcon : QRect();
}

QRect LibraryTreeWidget::labelRect(TreeItem item) const {
  const QModelIndex index = model_->indexOf(item);
  if (!index.isValid()) return {};
  return ItemLayout::of(visualRect(index), labelWidthOf(*this, index)).label;
}

HitTest LibraryTreeWidget::hitTest(const QPoint& pos) const {
  const QRect area = viewport()->rect();
  unsigned outside = kHitNowhere;
  if (pos.y() < area.top()) outside |= kHitAbove;
  if (pos.y() > area.bottom()) outside |= kHitBelow;
  if (pos.x() < area.left()) outside |= kHitToLeft;
  if (pos.x() > area.right()) outside |= kHitToRight;
  if (outside != kHitNowhere) return {kNoItem, outside};

  const QModelIndex index = indexAt(pos);
  if (!index.isValid()) {
    // indexAt answers only within the column; a row reaches across the whole viewport.
    const QModelIndex onRow = indexAt(QPoint(columnViewportPosition(0), pos.y()));
    if (onRow.isValid()) return {LibraryTreeModel::itemOf(onRow), kHitOnRight};
    return {};
  }
  const TreeItem item = LibraryTreeModel::itemOf(index);
  const QRect rect = visualRect(index);
  if (pos.x() < rect.left()) {
    const bool onButton = pos.x() >= rect.left() - indentation() && model_->hasChildren(index);
    return {item, onButton ? kHitOnButton : kHitOnIndent};
  }
  const ItemLayout layout = ItemLayout::of(rect, labelWidthOf(*this, index));
  if (pos.x() <= layout.stateIcon.right()) return {item, kHitOnStateIcon};
  if (pos.x() <= layout.icon.right()) return {item, kHitOnIcon};
  if (pos.x() <= layout.label.right()) return {item, kHitOnLabel};
  return {item, kHitOnRight};
}

// ---- Keys, clicks and the context menu ----

void LibraryTreeWidget::keyPressEvent(QKeyEvent* event) {
  if (view_.isDragging()) {
    if (event->key() == Qt::Key_Escape) {
      endDrag();
      view_.OnCancelDrag();
    }
    return;
  }
  // The view would copy the label itself: the clipboard keys are the window's commands.
  for (const auto& [standard, command] :
       {std::pair{QKeySequence::Copy, kCmdCopy}, std::pair{QKeySequence::Cut, kCmdCut},
        std::pair{QKeySequence::Paste, kCmdPaste}})
    if (event->matches(standard)) {
      emit commandRequested(command);
      return;
    }
  switch (event->key()) {
    case Qt::Key_Space:
      if (event->modifiers() == Qt::NoModifier && view_.OnSpaceKey() == 1) return;
      break;
    case Qt::Key_F2:
      emit commandRequested(kCmdRename);
      return;
    case Qt::Key_Delete:
      emit commandRequested(kCmdDelete);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // On a bookmark: open it; a folder's bookmarks open only from the menus.
      if (view_.IsBookmarkItem(view_.tree().selected())) {
        emit commandRequested(kCmdOpenInBrowser);
        return;
      }
      break;
    default:
      break;
  }
  QTreeView::keyPressEvent(event);
}

void LibraryTreeWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (view_.isDragging()) {
    if (event->button() == Qt::LeftButton) {
      endDrag();
      view_.OnDrop(hitTest(pos));
    }
    return;
  }
  const bool leftClick = event->button() == Qt::LeftButton;
  pressedItem_ = kNoItem;
  QTreeView::mouseReleaseEvent(event);
  if (leftClick) view_.OnClick(hitTest(pos));
}

void LibraryTreeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) view_.OnDoubleClick(hitTest(event->position().toPoint()));
  QTreeView::mouseDoubleClickEvent(event);
}

void LibraryTreeWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (std::exchange(cancelledByRightClick_, false) && event->reason() == QContextMenuEvent::Mouse)
    return;
  QPoint pos = event->pos();
  if (event->reason() == QContextMenuEvent::Keyboard)
    pos = labelRect(view_.tree().selected()).center();
  const std::vector<MenuEntry> entries = view_.OnRightClick(hitTest(pos));
  if (entries.empty()) return;
  QMenu menu(this);
  for (const MenuEntry& entry : entries) {
    if (entry.id == kCmdSeparator) {
      menu.addSeparator();
      continue;
    }
    const std::uint32_t id = entry.id;
    connect(menu.addAction(QString::fromStdString(entry.text)), &QAction::triggered, this,
            [this, id] { emit commandRequested(id); });
  }
  menu.exec(viewport()->mapToGlobal(pos));
}

}  // namespace linkfold::gui
