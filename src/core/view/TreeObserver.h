#pragma once
// What the tree announces, so that a display (the Qt item model) can follow it item by item.

#include <cstddef>
#include <cstdint>

namespace linkfold {

// An item handle; 0 is "no item". The low 32 bits name the item's slot in the tree, the high 32
// bits the slot's generation, which changes whenever the slot's item goes: a handle kept after
// its item was deleted names no item at all, never another item that took the slot.
using TreeItem = std::uint64_t;
inline constexpr TreeItem kNoItem = 0;

class TreeObserver {
 public:
  virtual ~TreeObserver() = default;
  virtual void aboutToReset() {}
  virtual void reset() {}
  // `row` is the place under `parent` (kNoItem for the top level) the item will take.
  virtual void aboutToInsert(TreeItem parent, std::size_t row) { (void)parent, (void)row; }
  virtual void inserted(TreeItem item) { (void)item; }
  // The item goes with everything below it.
  virtual void aboutToRemove(TreeItem parent, std::size_t row) { (void)parent, (void)row; }
  virtual void removed(TreeItem parent, std::size_t row) { (void)parent, (void)row; }
  // Label, images, state image or item data changed.
  virtual void changed(TreeItem item) { (void)item; }
  virtual void selectionChanged(TreeItem item) { (void)item; }
  virtual void dropHighlightChanged(TreeItem item) { (void)item; }
  virtual void expansionChanged(TreeItem item, bool expanded) { (void)item, (void)expanded; }
  virtual void scrollIntoView(TreeItem item) { (void)item; }
};

}  // namespace linkfold
