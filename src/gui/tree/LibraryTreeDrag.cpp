// Moving items by dragging them with the left button. The widget handles the mouse itself
// rather than through QDrag, because the right button cancels and the tree scrolls by itself,
// one line per step, while the pointer rests outside it; the core decides what a drop does.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "tree/LibraryTreeWidget.h"
#include "tree/TreeItemDelegate.h"

namespace linkfold::gui {

void LibraryTreeWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (view_.isDragging()) {
    if (event->button() == Qt::RightButton) {
      endDrag();
      view_.OnCancelDrag();
      // The platform follows this click with a context menu request; it belongs to the cancel.
      cancelledByRightClick_ = true;
    }
    return;
  }
  cancelledByRightClick_ = false;
  pressedItem_ = kNoItem;
  if (event->button() == Qt::MiddleButton) {
    // A middle click opens the bookmark (or the folder's bookmarks) under the pointer.
    const HitTest hit = hitTest(pos);
    if (hit.flags & (kHitOnStateIcon | kHitOnIcon | kHitOnLabel)) {
      view_.tree().select(hit.item);
      emit commandRequested(kCmdOpenInBrowser);
    }
    return;
  }
  if (event->button() == Qt::LeftButton) {
    const HitTest hit = hitTest(pos);
    if (hit.flags & (kHitOnStateIcon | kHitOnIcon | kHitOnLabel)) {
      pressedItem_ = hit.item;
      pressPos_ = pos;
    }
  }
  QTreeView::mousePressEvent(event);
}

void LibraryTreeWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (view_.isDragging()) {
    dragMove(pos);
    return;
  }
  if (pressedItem_ == kNoItem || !(event->buttons() & Qt::LeftButton)) {
    QTreeView::mouseMoveEvent(event);
    return;
  }
  // A press on an item does not select by sweeping: it waits to become a drag.
  if ((pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    const TreeItem item = pressedItem_;
    pressedItem_ = kNoItem;
    beginDrag(item, pos);
  }
}

void LibraryTreeWidget::beginDrag(TreeItem item, const QPoint& pos) {
  view_.OnBeginDrag(item);  // refuses locked folders with its message
  if (!view_.isDragging()) return;
  dragImage_ = TreeItemDelegate::dragImage(model_->indexOf(item), font(), devicePixelRatioF());
  dragPos_ = pos;
  viewport()->grabMouse();
  viewport()->update(dragImageRect());
}

QRect LibraryTreeWidget::dragImageRect() const {
  return QRect(dragPos_, dragImage_.deviceIndependentSize().toSize());
}

void LibraryTreeWidget::dragMove(const QPoint& pos) {
  // Any movement ends the scrolling that the last position started.
  scrollTimer_.stop();
  viewport()->update(dragImageRect());
  dragPos_ = pos;
  viewport()->update(dragImageRect());
  scrollStep_ = view_.OnDragMove(hitTest(pos));
  if (scrollStep_ == ScrollStep::None) return;
  scrollOneStep();
  scrollTimer_.start(view_.autoScrollPause());
}

void LibraryTreeWidget::scrollOneStep() {
  QScrollBar* bar = nullptr;
  auto action = QAbstractSlider::SliderSingleStepSub;
  switch (scrollStep_) {
    case ScrollStep::LineUp:
      bar = verticalScrollBar();
      break;
    case ScrollStep::LineDown:
      bar = verticalScrollBar();
      action = QAbstractSlider::SliderSingleStepAdd;
      break;
    case ScrollStep::LineLeft:
      bar = horizontalScrollBar();
      break;
    case ScrollStep::LineRight:
      bar = horizontalScrollBar();
      action = QAbstractSlider::SliderSingleStepAdd;
      break;
    case ScrollStep::None:
      scrollTimer_.stop();
      return;
  }
  bar->triggerAction(action);
}

void LibraryTreeWidget::endDrag() {
  scrollTimer_.stop();
  scrollStep_ = ScrollStep::None;
  viewport()->releaseMouse();
  viewport()->update(dragImageRect());
  dragImage_ = QPixmap();
}

void LibraryTreeWidget::paintEvent(QPaintEvent* event) {
  QTreeView::paintEvent(event);
  if (dragImage_.isNull()) return;
  QPainter painter(viewport());
  painter.setOpacity(0.7);
  painter.drawPixmap(dragPos_, dragImage_);
}

}  // namespace linkfold::gui
