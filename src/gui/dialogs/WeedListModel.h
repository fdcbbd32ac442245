#pragma once
// The rows of the Weed Duplicates list as a Qt model. It holds no texts: every cell asks the
// core's Weed dialog when the view draws it, so a list of many thousand rows costs nothing
// until it is seen.

#include <QAbstractTableModel>
#include <QIcon>
#include <array>

#include "tools/WeedDialog.h"

namespace linkfold::gui {

class WeedListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit WeedListModel(WeedDialog& weed, QObject* parent = nullptr);

  // The width of a row's picture: its check box (or the URL letters) and its icon side by side.
  static QSize decorationSize();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  WeedDialog& weed() const { return weed_; }
  // Tells the views that these rows' check boxes changed.
  void rowsChanged(const std::vector<std::size_t>& rows);

 private:
  // The picture for a row's state image and icon.
  const QIcon& decoration(const WeedRow& row) const;

  WeedDialog& weed_;
  std::array<QIcon, 3> decorations_;  // group, unchecked, checked
};

}  // namespace linkfold::gui
