#pragma once
// CSortedTreeCtrl: the tree control as a plain tree of items, with the sorted insertion the
// library tree relies on. Children are kept in a vector in display order; while every child of
// a parent is in sorted order, a sorted insertion is a binary search that finds the place the
// linear walk would find.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "view/TreeObserver.h"

namespace linkfold {

// Item images; the kind of an item is decided from its image alone.
inline constexpr int kImageFolder = 0;
inline constexpr int kImageBookmark = 1;
inline constexpr int kImageLockedFolder = 2;

struct TreeItemFields {
  std::string label;
  int image = kImageFolder;
  int selectedImage = kImageFolder;
  std::uint32_t state = 0;  // state-image index: the check box
  std::uint32_t data = 0;   // the folder's or bookmark's index
};

struct InsertPosition {
  enum class Kind { Sort, First };
  Kind kind = Kind::Sort;

  static InsertPosition sorted() { return {}; }
  static InsertPosition first() { return {Kind::First}; }
};

// Labels take part in comparisons up to this many characters (the old 260-character buffer).
inline constexpr std::size_t kCompareLabelChars = 259;

class CSortedTreeCtrl {
 public:
  enum class Expand { Expand, Collapse };

  void addObserver(TreeObserver* observer);
  void removeObserver(TreeObserver* observer);

  // Inserts under `parent` (kNoItem: the top level). Returns the new item, or kNoItem when the
  // tree refuses the insertion (a parent that does not exist, or the item limit reached).
  TreeItem InsertSorted(TreeItem parent, InsertPosition position, TreeItemFields fields);
  TreeItem InsertSorted(TreeItem parent, TreeItemFields fields) {
    return InsertSorted(parent, InsertPosition::sorted(), std::move(fields));
  }
  // Deletes the item and everything below it. A deleted selection moves to the next sibling,
  // else the previous sibling, else the parent.
  void deleteItem(TreeItem item);
  void deleteAllItems();
  // Announces everything the tree does while it lives as one reset: observers hear aboutToReset
  // when it begins and reset when it ends, and nothing of the items inserted, removed or changed
  // in between (a rebuild of a million items is then one change for the display, not a million).
  class Rebuild {
   public:
    explicit Rebuild(CSortedTreeCtrl& tree);
    ~Rebuild();
    Rebuild(const Rebuild&) = delete;
    Rebuild& operator=(const Rebuild&) = delete;

   private:
    CSortedTreeCtrl& tree_;
  };
  // Every item of the tree, set aside whole with its expansion and the selection, to be put
  // back later in one step (a filtered view keeps the full tree this way). Only the tree that
  // gave them can take them back.
  class Items;
  // Takes every item out, announced as a reset; the tree is then empty, and no handle given out
  // before names an item.
  Items takeItems();
  // Replaces the tree's items with `items`, taken from this tree, announced as a reset. They come
  // back under new handles (every handle given out before names nothing) with their order,
  // fields, expansion and selection. False, with the tree left empty, when the tree has no
  // handles left for them.
  bool putItems(Items items);
  // Makes room for `items` more items, so that a rebuild grows the storage once instead of by
  // doubling (each doubling copies every item and briefly holds both copies). Without the
  // memory for it, the tree grows as it goes.
  void reserve(std::size_t items);
  // The most items the tree will hold; insertions beyond it are refused.
  void setItemLimit(std::size_t limit) { itemLimit_ = limit; }
  std::size_t itemCount() const { return liveCount_; }

  // Whether the handle names a live item. Every call below accepts any handle: a handle of no
  // item reads as an empty item with no parent, children or siblings, and changes nothing.
  bool exists(TreeItem item) const;
  const std::string& label(TreeItem item) const { return at(item).fields.label; }
  int image(TreeItem item) const { return at(item).fields.image; }
  int selectedImage(TreeItem item) const { return at(item).fields.selectedImage; }
  std::uint32_t state(TreeItem item) const { return at(item).fields.state; }
  std::uint32_t data(TreeItem item) const { return at(item).fields.data; }
  const TreeItemFields& fields(TreeItem item) const { return at(item).fields; }
  bool isExpanded(TreeItem item) const { return at(item).expanded; }
  void setLabel(TreeItem item, std::string label);
  void setState(TreeItem item, std::uint32_t state);
  void setData(TreeItem item, std::uint32_t data);

  // Navigation.
  TreeItem root() const;  // the first item at the top level
  TreeItem parent(TreeItem item) const { return at(item).parent; }
  TreeItem firstChild(TreeItem item) const;
  TreeItem nextSibling(TreeItem item) const;
  TreeItem prevSibling(TreeItem item) const;
  TreeItem prevVisible(TreeItem item) const;
  TreeItem nextVisible(TreeItem item) const;
  bool hasChildren(TreeItem item) const { return !at(item).children.empty(); }
  // Children of `item` (kNoItem: the top level), in display order.
  const std::vector<TreeItem>& children(TreeItem item) const;
  std::size_t row(TreeItem item) const { return at(item).row; }

  // The caret (the selected item) and the drop highlight.
  TreeItem selected() const { return selected_; }
  void select(TreeItem item);
  TreeItem dropHighlight() const { return dropHighlight_; }
  void setDropHighlight(TreeItem item);

  void expand(TreeItem item, Expand how);
  // Expands every ancestor and asks the display to scroll to the item.
  void ensureVisible(TreeItem item);

 private:
  struct Node {
    TreeItemFields fields;
    TreeItem parent = kNoItem;
    std::vector<TreeItem> children;
    std::size_t row = 0;
    bool expanded = false;
    bool alive = false;
    bool misplaced = false;  // out of sorted order among its siblings
    std::size_t misplacedChildren = 0;
  };

  static std::uint32_t slotOf(TreeItem item) { return static_cast<std::uint32_t>(item); }
  static std::uint32_t generationOf(TreeItem item) {
    return static_cast<std::uint32_t>(item >> 32);
  }
  TreeItem handleOf(std::uint32_t slot) const {
    return (TreeItem{generations_[slot]} << 32) | slot;
  }
  // Unchecked, for handles known to be live; `at` is the checked form.
  Node& node(TreeItem item) { return nodes_[slotOf(item)]; }
  const Node& node(TreeItem item) const { return nodes_[slotOf(item)]; }
  const Node& at(TreeItem item) const;
  std::vector<TreeItem>& childrenOf(TreeItem parent);
  std::size_t& misplacedCountOf(TreeItem parent);
  std::size_t sortedPlace(TreeItem parent, const TreeItemFields& fields) const;
  bool isInOrder(TreeItem item) const;
  void setMisplaced(TreeItem item, bool misplaced);
  void renumber(TreeItem parent, std::size_t from);
  void release(TreeItem item);
  void freeSlot(std::uint32_t slot);
  TreeItem allocate();
  template <class F>
  void notify(F&& call) {
    for (TreeObserver* o : observers_) call(*o);
  }
  // Item notifications, which a rebuild in progress holds back.
  template <class F>
  void notifyItems(F&& call) {
    if (rebuilds_ == 0) notify(call);
  }

  std::vector<Node> nodes_ = std::vector<Node>(1);  // slot 0 is "no item"
  // Every slot's generation; kept when the tree is emptied, so that no old handle comes back.
  std::vector<std::uint32_t> generations_ = std::vector<std::uint32_t>(1);
  std::vector<TreeItem> topLevel_;
  std::size_t topMisplaced_ = 0;
  std::vector<std::uint32_t> freeSlots_;
  std::size_t liveCount_ = 0;
  std::size_t itemLimit_ = std::numeric_limits<std::uint32_t>::max() - 1;
  TreeItem selected_ = kNoItem;
  TreeItem dropHighlight_ = kNoItem;
  std::vector<TreeObserver*> observers_;
  int rebuilds_ = 0;  // nested Rebuild scopes alive
};

class CSortedTreeCtrl::Items {
 public:
  bool empty() const { return liveCount == 0; }

 private:
  friend class CSortedTreeCtrl;
  std::vector<Node> nodes;
  std::vector<TreeItem> topLevel;
  std::size_t topMisplaced = 0;
  std::vector<std::uint32_t> freeSlots;
  std::size_t liveCount = 0;
  TreeItem selected = kNoItem;
};

// The part of a label that takes part in comparisons.
std::string_view comparedLabel(const std::string& label);

// Whether `a` sorts after `b` in a folder: folders before bookmarks, then labels compared
// ignoring ASCII case, bytes as unsigned values, at most 259 characters.
bool sortsAfter(const TreeItemFields& a, const TreeItemFields& b);

}  // namespace linkfold
