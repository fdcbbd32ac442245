#include "view/CSortedTreeCtrl.h"

#include <algorithm>
#include <new>
#include <utility>

#include "platform/Text.h"

namespace linkfold {

std::string_view comparedLabel(const std::string& label) {
  // Cheap path: a label of at most 259 bytes has at most 259 characters.
  if (label.size() <= kCompareLabelChars) return label;
  return utf8Prefix(label, kCompareLabelChars);
}

namespace {

bool isBookmarkImage(int image) {
  return image == kImageBookmark;
}

// A slot whose generation reaches this is never used again, so that no handle can come back.
constexpr std::uint32_t kRetired = std::numeric_limits<std::uint32_t>::max();

}  // namespace

bool sortsAfter(const TreeItemFields& a, const TreeItemFields& b) {
  const bool aBookmark = isBookmarkImage(a.image), bBookmark = isBookmarkImage(b.image);
  if (aBookmark != bBookmark) return aBookmark;
  return compareNoCase(comparedLabel(a.label), comparedLabel(b.label)) > 0;
}

void CSortedTreeCtrl::addObserver(TreeObserver* observer) {
  observers_.push_back(observer);
}

void CSortedTreeCtrl::removeObserver(TreeObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

bool CSortedTreeCtrl::exists(TreeItem item) const {
  const std::uint32_t slot = slotOf(item);
  return slot != 0 && slot < nodes_.size() && nodes_[slot].alive &&
         generations_[slot] == generationOf(item);
}

const CSortedTreeCtrl::Node& CSortedTreeCtrl::at(TreeItem item) const {
  static const Node kNone;
  return exists(item) ? node(item) : kNone;
}

std::vector<TreeItem>& CSortedTreeCtrl::childrenOf(TreeItem parent) {
  return parent == kNoItem ? topLevel_ : node(parent).children;
}

const std::vector<TreeItem>& CSortedTreeCtrl::children(TreeItem item) const {
  return item == kNoItem ? topLevel_ : at(item).children;
}

std::size_t& CSortedTreeCtrl::misplacedCountOf(TreeItem parent) {
  return parent == kNoItem ? topMisplaced_ : node(parent).misplacedChildren;
}

std::size_t CSortedTreeCtrl::sortedPlace(TreeItem parent, const TreeItemFields& fields) const {
  const auto& list = children(parent);
  const std::size_t misplaced = parent == kNoItem ? topMisplaced_ : node(parent).misplacedChildren;
  const auto stopsHere = [&](TreeItem child) { return sortsAfter(node(child).fields, fields); };
  if (misplaced > 0) {
    // Out-of-order children: walk them the slow way, as the first item that sorts after.
    return static_cast<std::size_t>(std::find_if(list.begin(), list.end(), stopsHere) -
                                    list.begin());
  }
  return static_cast<std::size_t>(
      std::partition_point(list.begin(), list.end(), [&](TreeItem c) { return !stopsHere(c); }) -
      list.begin());
}

TreeItem CSortedTreeCtrl::allocate() {
  if (!freeSlots_.empty()) {
    const std::uint32_t slot = freeSlots_.back();
    freeSlots_.pop_back();
    return handleOf(slot);
  }
  // A new slot, past any that are retired.
  while (nodes_.size() <= std::numeric_limits<std::uint32_t>::max()) {
    const auto slot = static_cast<std::uint32_t>(nodes_.size());
    if (generations_.size() <= slot) generations_.push_back(0);
    nodes_.emplace_back();
    if (generations_[slot] != kRetired) return handleOf(slot);
  }
  return kNoItem;
}

TreeItem CSortedTreeCtrl::InsertSorted(TreeItem parent, InsertPosition position,
                                       TreeItemFields fields) {
  if ((parent != kNoItem && !exists(parent)) || liveCount_ >= itemLimit_) return kNoItem;
  // The only top-level item is the root: it goes first without a search.
  const std::size_t place = position.kind == InsertPosition::Kind::First || parent == kNoItem
                                ? 0
                                : sortedPlace(parent, fields);
  const TreeItem item = allocate();
  if (item == kNoItem) return kNoItem;
  notifyItems([&](TreeObserver& o) { o.aboutToInsert(parent, place); });
  Node& n = node(item);
  n = Node{};
  n.fields = std::move(fields);
  n.parent = parent;
  n.alive = true;
  auto& siblings = childrenOf(parent);
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(place), item);
  renumber(parent, place);
  ++liveCount_;
  setMisplaced(item, !isInOrder(item));
  notifyItems([&](TreeObserver& o) { o.inserted(item); });
  return item;
}

void CSortedTreeCtrl::renumber(TreeItem parent, std::size_t from) {
  const auto& list = childrenOf(parent);
  for (std::size_t i = from; i < list.size(); ++i) node(list[i]).row = i;
}

bool CSortedTreeCtrl::isInOrder(TreeItem item) const {
  // Compared with the nearest siblings that are in order themselves: the children that are not
  // marked misplaced always stay sorted among one another.
  const auto& list = children(node(item).parent);
  const std::size_t r = node(item).row;
  const auto& f = node(item).fields;
  for (std::size_t i = r; i-- > 0;) {
    if (node(list[i]).misplaced) continue;
    if (sortsAfter(node(list[i]).fields, f)) return false;
    break;
  }
  for (std::size_t i = r + 1; i < list.size(); ++i) {
    if (node(list[i]).misplaced) continue;
    if (sortsAfter(f, node(list[i]).fields)) return false;
    break;
  }
  return true;
}

void CSortedTreeCtrl::setMisplaced(TreeItem item, bool misplaced) {
  Node& n = node(item);
  if (n.misplaced == misplaced) return;
  n.misplaced = misplaced;
  auto& count = misplacedCountOf(n.parent);
  count = misplaced ? count + 1 : count - 1;
}

void CSortedTreeCtrl::release(TreeItem item) {
  // Children first, taken off the back of their parent's list; they leave with their parent,
  // so no per-child bookkeeping is needed. The walk goes down and back up through the parent
  // links: no call stack and no second stack, whatever the depth.
  TreeItem current = item;
  for (;;) {
    Node& n = node(current);
    if (!n.children.empty()) {
      current = n.children.back();
      n.children.pop_back();
      continue;
    }
    if (selected_ == current) selected_ = kNoItem;
    if (dropHighlight_ == current) dropHighlight_ = kNoItem;
    const TreeItem up = n.parent;
    n.alive = false;
    n.children = {};
    n.fields.label = {};
    --liveCount_;
    freeSlot(slotOf(current));
    if (current == item) return;
    current = up;
  }
}

void CSortedTreeCtrl::freeSlot(std::uint32_t slot) {
  if (++generations_[slot] != kRetired) freeSlots_.push_back(slot);
}

void CSortedTreeCtrl::deleteItem(TreeItem item) {
  if (!exists(item)) return;
  const TreeItem parent = node(item).parent;
  const std::size_t place = node(item).row;
  const bool selectionInside = [&] {
    for (TreeItem s = selected_; s != kNoItem; s = node(s).parent)
      if (s == item) return true;
    return false;
  }();
  TreeItem successor = kNoItem;
  if (selectionInside) {
    successor = nextSibling(item);
    if (successor == kNoItem) successor = prevSibling(item);
    if (successor == kNoItem) successor = parent;
  }
  notifyItems([&](TreeObserver& o) { o.aboutToRemove(parent, place); });
  setMisplaced(item, false);
  auto& siblings = childrenOf(parent);
  siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(place));
  renumber(parent, place);
  release(item);
  notifyItems([&](TreeObserver& o) { o.removed(parent, place); });
  if (selectionInside) select(successor);
}

CSortedTreeCtrl::Rebuild::Rebuild(CSortedTreeCtrl& tree) : tree_(tree) {
  if (tree_.rebuilds_++ == 0) tree_.notify([](TreeObserver& o) { o.aboutToReset(); });
}

CSortedTreeCtrl::Rebuild::~Rebuild() {
  if (--tree_.rebuilds_ == 0) tree_.notify([](TreeObserver& o) { o.reset(); });
}

void CSortedTreeCtrl::deleteAllItems() {
  takeItems();
}

CSortedTreeCtrl::Items CSortedTreeCtrl::takeItems() {
  notifyItems([](TreeObserver& o) { o.aboutToReset(); });
  // Free slots moved on when their items went; the live ones move on now.
  for (std::size_t slot = 1; slot < nodes_.size(); ++slot)
    if (nodes_[slot].alive) ++generations_[slot];
  Items taken;
  taken.nodes = std::exchange(nodes_, std::vector<Node>(1));
  taken.topLevel = std::exchange(topLevel_, {});
  taken.topMisplaced = std::exchange(topMisplaced_, 0);
  taken.freeSlots = std::exchange(freeSlots_, {});
  taken.liveCount = std::exchange(liveCount_, 0);
  taken.selected = selected_;
  const bool hadSelection = selected_ != kNoItem;
  selected_ = dropHighlight_ = kNoItem;
  notifyItems([](TreeObserver& o) { o.reset(); });
  if (hadSelection) notify([](TreeObserver& o) { o.selectionChanged(kNoItem); });
  return taken;
}

bool CSortedTreeCtrl::putItems(Items items) {
  if (items.nodes.empty()) return false;
  deleteAllItems();
  if (generations_.size() < items.nodes.size()) generations_.resize(items.nodes.size(), 0);
  for (std::size_t slot = 1; slot < items.nodes.size(); ++slot)
    if (items.nodes[slot].alive && generations_[slot] == kRetired) return false;
  notifyItems([](TreeObserver& o) { o.aboutToReset(); });
  // Each item takes its slot's current generation, which no handle given out so far carries.
  const auto renewed = [this](TreeItem item) {
    return item == kNoItem ? kNoItem : handleOf(slotOf(item));
  };
  for (Node& n : items.nodes) {
    if (!n.alive) continue;
    n.parent = renewed(n.parent);
    for (TreeItem& child : n.children) child = renewed(child);
  }
  for (TreeItem& item : items.topLevel) item = renewed(item);
  std::erase_if(items.freeSlots,
                [this](std::uint32_t slot) { return generations_[slot] == kRetired; });
  nodes_ = std::move(items.nodes);
  topLevel_ = std::move(items.topLevel);
  topMisplaced_ = items.topMisplaced;
  freeSlots_ = std::move(items.freeSlots);
  liveCount_ = items.liveCount;
  selected_ = renewed(items.selected);
  notifyItems([](TreeObserver& o) { o.reset(); });
  if (selected_ != kNoItem) notify([this](TreeObserver& o) { o.selectionChanged(selected_); });
  return true;
}

void CSortedTreeCtrl::reserve(std::size_t items) {
  try {
    nodes_.reserve(nodes_.size() + items);
    generations_.reserve(std::max(generations_.size(), nodes_.size() + items));
  } catch (const std::bad_alloc&) {
  }
}

void CSortedTreeCtrl::setLabel(TreeItem item, std::string label) {
  if (!exists(item)) return;
  node(item).fields.label = std::move(label);
  setMisplaced(item, !isInOrder(item));
  notifyItems([&](TreeObserver& o) { o.changed(item); });
}

void CSortedTreeCtrl::setState(TreeItem item, std::uint32_t state) {
  if (!exists(item)) return;
  node(item).fields.state = state;
  notifyItems([&](TreeObserver& o) { o.changed(item); });
}

void CSortedTreeCtrl::setData(TreeItem item, std::uint32_t data) {
  if (!exists(item)) return;
  node(item).fields.data = data;
  notifyItems([&](TreeObserver& o) { o.changed(item); });
}

TreeItem CSortedTreeCtrl::root() const {
  return topLevel_.empty() ? kNoItem : topLevel_.front();
}

TreeItem CSortedTreeCtrl::firstChild(TreeItem item) const {
  const auto& list = at(item).children;
  return list.empty() ? kNoItem : list.front();
}

TreeItem CSortedTreeCtrl::nextSibling(TreeItem item) const {
  if (!exists(item)) return kNoItem;
  const auto& list = children(node(item).parent);
  const std::size_t r = node(item).row + 1;
  return r < list.size() ? list[r] : kNoItem;
}

TreeItem CSortedTreeCtrl::prevSibling(TreeItem item) const {
  if (!exists(item)) return kNoItem;
  const std::size_t r = node(item).row;
  return r > 0 ? children(node(item).parent)[r - 1] : kNoItem;
}

TreeItem CSortedTreeCtrl::prevVisible(TreeItem item) const {
  if (!exists(item)) return kNoItem;
  TreeItem previous = prevSibling(item);
  if (previous == kNoItem) return node(item).parent;
  // The last visible item inside the previous sibling.
  while (node(previous).expanded && !node(previous).children.empty())
    previous = node(previous).children.back();
  return previous;
}

TreeItem CSortedTreeCtrl::nextVisible(TreeItem item) const {
  if (!exists(item)) return kNoItem;
  if (node(item).expanded && !node(item).children.empty()) return node(item).children.front();
  for (TreeItem i = item; i != kNoItem; i = node(i).parent)
    if (const TreeItem next = nextSibling(i); next != kNoItem) return next;
  return kNoItem;
}

void CSortedTreeCtrl::select(TreeItem item) {
  if (item != kNoItem && !exists(item)) return;
  selected_ = item;
  notify([&](TreeObserver& o) { o.selectionChanged(item); });
}

void CSortedTreeCtrl::setDropHighlight(TreeItem item) {
  if (dropHighlight_ == item || (item != kNoItem && !exists(item))) return;
  dropHighlight_ = item;
  notify([&](TreeObserver& o) { o.dropHighlightChanged(item); });
}

void CSortedTreeCtrl::expand(TreeItem item, Expand how) {
  if (!exists(item)) return;
  const bool expanded = how == Expand::Expand;
  if (node(item).expanded == expanded) return;
  node(item).expanded = expanded;
  notify([&](TreeObserver& o) { o.expansionChanged(item, expanded); });
}

void CSortedTreeCtrl::ensureVisible(TreeItem item) {
  if (!exists(item)) return;
  for (TreeItem a = node(item).parent; a != kNoItem; a = node(a).parent) expand(a, Expand::Expand);
  notify([&](TreeObserver& o) { o.scrollIntoView(item); });
}

}  // namespace linkfold
