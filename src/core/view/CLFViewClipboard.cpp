// Opening bookmarks in the browser and the clipboard commands of the library tree.

#include "library/CLFDoc.h"
#include "library/UndoRecorder.h"
#include "platform/UiPort.h"
#include "view/CLFView.h"

namespace linkfold {

namespace {

// More bookmarks than this are opened only after a question.
constexpr std::size_t kOpenWithoutAsking = 10;

CommandState enabledIf(bool enabled) {
  return {enabled, std::nullopt, false};
}

}  // namespace

bool CLFView::isBookmarkOfLibrary(TreeItem item) const {
  return IsBookmarkItem(item) && tree_.data(item) < doc_.bookmarkCount();
}

std::vector<std::uint32_t> CLFView::selectedBookmarks() const {
  const TreeItem selected = tree_.selected();
  if (IsBookmarkItem(selected)) return {tree_.data(selected)};
  std::vector<std::uint32_t> bookmarks;
  if (!IsFolderItem(selected)) return bookmarks;
  for (const TreeItem child : tree_.children(selected))
    if (isBookmarkOfLibrary(child)) bookmarks.push_back(tree_.data(child));
  return bookmarks;
}

// Whether selectedBookmarks() would be empty, without collecting them.
bool CLFView::hasSelectedBookmarks() const {
  const TreeItem selected = tree_.selected();
  if (IsBookmarkItem(selected)) return true;
  if (!IsFolderItem(selected)) return false;
  const auto children = tree_.children(selected);
  return std::any_of(children.begin(), children.end(),
                     [this](TreeItem child) { return isBookmarkOfLibrary(child); });
}

CommandState CLFView::OnUpdateOpenInBrowser() const {
  CommandState state = enabledIf(hasSelectedBookmarks());
  if (IsFolderItem(tree_.selected())) state.text = "Open &All in Browser";
  return state;
}

void CLFView::OnOpenInBrowser() {
  const std::vector<std::uint32_t> bookmarks = selectedBookmarks();
  if (bookmarks.size() > kOpenWithoutAsking &&
      !ui_.askYesNo("Open all " + std::to_string(bookmarks.size()) + " bookmarks of \"" +
                    tree_.label(tree_.selected()) + "\" in the browser?"))
    return;
  for (const std::uint32_t b : bookmarks) {
    const std::string& url = doc_.bookmark(b).url;
    if (!ui_.openUrl(url)) {
      ui_.showMessage({"The desktop could not open this URL:\n" + url, MessageIcon::Exclamation});
      return;
    }
  }
}

CommandState CLFView::OnUpdateCopy() const {
  return enabledIf(hasSelectedBookmarks());
}

ClipboardData CLFView::OnCopy() const {
  return clipboardFor(doc_, selectedBookmarks());
}

CommandState CLFView::OnUpdateCut() const {
  return enabledIf(IsBookmarkItem(tree_.selected()));
}

CommandState CLFView::OnUpdatePaste() const {
  return enabledIf(tree_.exists(tree_.selected()));
}

void CLFView::OnPaste(const ClipboardData& data) {
  const TreeItem selected = tree_.selected();
  std::uint32_t folder = tree_.data(selected);
  if (IsBookmarkItem(selected)) {
    if (folder >= doc_.bookmarkCount()) return;
    folder = doc_.bookmark(folder).folder;
  } else if (!IsFolderItem(selected)) {
    return;
  }
  const std::vector<PastedBookmark> items = parseClipboard(data);
  if (items.empty()) {
    ui_.showMessage({"The clipboard holds no URL to paste.", MessageIcon::Exclamation});
    return;
  }
  // Pasting sorts the table and may rename duplicates, so the step keeps the tables as they were.
  std::optional<LibraryTables> before = copyTables(doc_);
  if (pasteBookmarks(doc_, folder, items) == 0) return;
  recordTablesStep(doc_, "Paste", std::move(before));
  RefillKeepingState();
}

}  // namespace linkfold
