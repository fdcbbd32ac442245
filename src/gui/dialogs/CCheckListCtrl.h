#pragma once
// The Weed Duplicates list: two columns, a group row for each shared URL with the bookmarks
// under it, each with a check box. A click on the box, a double click anywhere on the row and
// the space bar toggle a bookmark; the context menu checks, clears or inverts them all. The
// rules are the core's Weed dialog's; this list only forwards to it.

#include <QTreeView>

#include "tools/WeedDialog.h"

namespace linkfold::gui {

class WeedListModel;

class CCheckListCtrl : public QTreeView {
  Q_OBJECT

 public:
  CCheckListCtrl(WeedListModel& model, QWidget* parent);

  // Where a row's check box lies, in viewport coordinates.
  QRect checkBoxRect(int row) const;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void fitColumns();
  void setColumns(const ColumnWidths& widths);

  WeedListModel& model_;
  bool columnsSet_ = false;
  bool releaseEndsDoubleClick_ = false;
};

}  // namespace linkfold::gui
