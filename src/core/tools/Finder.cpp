#include "tools/Finder.h"

#include <string>
#include <string_view>

#include "library/CLFDoc.h"
#include "platform/CaseFold.h"

namespace linkfold {

namespace {

constexpr const char* kNoneFound = "No bookmarks found matching the specified criteria.";

// The test one search applies to each bookmark. With case ignored, both sides are folded for
// all of Unicode when they are UTF-8; the library's texts are never changed.
class BookmarkMatcher {
 public:
  explicit BookmarkMatcher(const FindSettings& settings)
      : lookIn_(settings.lookIn),
        ignoreCase_(settings.ignoreCase),
        text_(ignoreCase_ ? caseFolded(settings.text) : settings.text) {}

  bool matches(const BookmarkRecord& bookmark) const {
    switch (lookIn_) {
      case FindLookIn::NameOnly:
        return holdsText(bookmark.name);
      case FindLookIn::UrlOnly:
        return holdsText(bookmark.url);
      case FindLookIn::NameAndUrl:
        break;
    }
    return holdsText(bookmark.name) || holdsText(bookmark.url);
  }

 private:
  bool holdsText(std::string_view field) const {
    if (ignoreCase_) return caseFolded(field).find(text_) != std::string::npos;
    return field.find(text_) != std::string_view::npos;
  }

  FindLookIn lookIn_;
  bool ignoreCase_;
  std::string text_;
};

}  // namespace

CommandState Finder::OnUpdateFind() const {
  CommandState state;
  state.enabled = view_.document().bookmarkCount() > 0;
  return state;
}

CommandState Finder::OnUpdateFindNext() const {
  CommandState state;
  state.enabled = !settings_.text.empty() && view_.document().bookmarkCount() > 0;
  return state;
}

void Finder::OnFind() {
  if (!OnUpdateFind().enabled) return;
  FindDialog dialog(settings_, view_.document().settings());
  if (!view_.ui().runDialog(dialog)) return;
  settings_ = dialog.fields;
  const CSortedTreeCtrl& tree = view_.tree();
  findOrSayNone(settings_.startAt == FindStartAt::CurrentItem ? tree.selected() : tree.root());
}

void Finder::OnFindNext() {
  if (!OnUpdateFindNext().enabled) return;
  findOrSayNone(NextTreeItem(view_.tree().selected()));
}

void Finder::findOrSayNone(TreeItem start) {
  if (!FindFrom(start)) view_.ui().inform(kNoneFound);
}

bool Finder::FindFrom(TreeItem start) {
  const BookmarkMatcher matcher(settings_);
  const CLFDoc& doc = view_.document();
  CSortedTreeCtrl& tree = view_.tree();
  for (TreeItem item = start; item != kNoItem; item = NextTreeItem(item)) {
    if (!view_.IsBookmarkItem(item)) continue;
    const std::uint32_t index = tree.data(item);
    if (index >= doc.bookmarkCount() || !matcher.matches(doc.bookmark(index))) continue;
    tree.ensureVisible(item);
    tree.select(item);
    return true;
  }
  return false;
}

TreeItem Finder::NextTreeItem(TreeItem item) const {
  const CSortedTreeCtrl& tree = view_.tree();
  if (item == kNoItem || !tree.exists(item)) return kNoItem;
  if (const TreeItem child = tree.firstChild(item); child != kNoItem) return child;
  for (TreeItem climb = item; climb != kNoItem; climb = tree.parent(climb))
    if (const TreeItem next = tree.nextSibling(climb); next != kNoItem) return next;
  return kNoItem;
}

}  // namespace linkfold
