#pragma once
// The library tree on screen: a QTreeView over the core tree that forwards the person's clicks,
// keys and drags to CLFView and follows the core's selection, expansion, drop highlight and
// scrolling requests. It decides nothing itself; commands it cannot carry out alone (Rename,
// Delete, the context menu's entries) go out through commandRequested.

#include <QPixmap>
#include <QTimer>
#include <QTreeView>
#include <cstdint>

#include "tree/LibraryTreeModel.h"
#include "view/CLFView.h"

namespace linkfold::gui {

class LibraryTreeWidget : public QTreeView, private TreeObserver {
  Q_OBJECT

 public:
  explicit LibraryTreeWidget(CLFView& view, QWidget* parent = nullptr);
  ~LibraryTreeWidget() override;

  LibraryTreeModel& libraryModel() { return *model_; }
  // Where a point of the viewport falls, in the core's terms.
  HitTest hitTest(const QPoint& viewportPos) const;
  // The rectangle of an item's row part in viewport coordinates (empty when it is not shown).
  QRect itemRect(TreeItem item) const;
  QRect stateIconRect(TreeItem item) const;
  QRect labelRect(TreeItem item) const;
  bool isDragging() const { return view_.isDragging(); }

 signals:
  // A command for the main window to route (from the context menu, F2, Delete, Enter and the
  // middle click).
  void commandRequested(std::uint32_t id);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Core tree notifications the view follows.
  void selectionChanged(TreeItem item) override;
  void dropHighlightChanged(TreeItem item) override;
  void expansionChanged(TreeItem item, bool expanded) override;
  void scrollIntoView(TreeItem item) override;
  // After the core's rebuild: the view takes the core's expansion and selection again.
  void followReset();
  void expandLikeCore();
  void showSelection(TreeItem item);

  // Dragging (LibraryTreeDrag.cpp).
  void beginDrag(TreeItem item, const QPoint& pos);
  void dragMove(const QPoint& pos);
  void scrollOneStep();
  void endDrag();
  QRect dragImageRect() const;

  CLFView& view_;
  LibraryTreeModel* model_;  // a child, so that it outlives the view's own teardown
  bool following_ = false;   // the view is being set from the core: do not echo it back
  int expansionsThisTurn_ = 0;

  TreeItem pressedItem_ = kNoItem;  // an item a left press may start to drag
  QPoint pressPos_;
  QPixmap dragImage_;
  QPoint dragPos_;
  ScrollStep scrollStep_ = ScrollStep::None;
  bool cancelledByRightClick_ = false;
  QTimer scrollTimer_;
};

}  // namespace linkfold::gui
