#pragma once
// The Qt item model over the core's library tree. It holds nothing of its own: an index's
// internal id is the item's handle and its row the core's row, and it follows the tree's
// notifications item by item, resetting only when the core rebuilds the whole tree.

#include <QAbstractItemModel>

#include "view/CSortedTreeCtrl.h"

namespace linkfold::gui {

class LibraryTreeModel : public QAbstractItemModel, private TreeObserver {
  Q_OBJECT

 public:
  // The state image (the check box) of an item, an int.
  static constexpr int kStateImageRole = Qt::UserRole + 1;

  explicit LibraryTreeModel(CSortedTreeCtrl& tree, QObject* parent = nullptr);
  ~LibraryTreeModel() override;

  const CSortedTreeCtrl& tree() const { return tree_; }
  // The index of a live item (an invalid index for no item); the item of an index.
  QModelIndex indexOf(TreeItem item) const;
  static TreeItem itemOf(const QModelIndex& index) { return index.internalId(); }
  // Between the core's announcements of a rebuild; the model shows nothing meanwhile.
  bool isResetting() const { return resetting_; }

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // Observers of the core tree.
  void aboutToReset() override;
  void reset() override;
  void aboutToInsert(TreeItem parent, std::size_t row) override;
  void inserted(TreeItem item) override;
  void aboutToRemove(TreeItem parent, std::size_t row) override;
  void removed(TreeItem parent, std::size_t row) override;
  void changed(TreeItem item) override;

  CSortedTreeCtrl& tree_;
  bool resetting_ = false;
};

// The label shown for stored bytes: UTF-8 when valid, else Windows-1252.
QString displayString(const std::string& bytes);

}  // namespace linkfold::gui
