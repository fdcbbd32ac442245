#include "tools/WeedDialog.h"

#include <algorithm>

#include "library/CLFDoc.h"
#include "platform/Settings.h"

namespace linkfold {

namespace {

constexpr const char* kRootFolderPath = "Root Folder\\";
constexpr const char* kKeepNone =
    "You have not selected any bookmarks to keep.\nAre you sure you want to delete all of them?";
constexpr const char* kUrlWithoutKeeper =
    "There is at least one URL which has\nno bookmarks checked. All bookmarks\nfor such URLs "
    "will be removed.\n\nIs this what you intended?";
// A first column at least this wide is the person's choice and survives resizing.
constexpr int kWideColumn = 2048;

}  // namespace

WeedDialog::WeedDialog(const CLFDoc& doc, std::span<UrlEntry> list,
                       std::span<const DuplicateGroup> groups, SettingsStore& settings)
    : doc_(doc), list_(list), groups_(groups), settings_(settings) {
  for (const DuplicateGroup& group : groups_) {
    rows_.push_back({group.first | WeedRow::kGroupFlag, WeedRow::kGroupIcon, WeedRow::kUrlState});
    for (std::uint32_t e = group.first; e <= group.last; ++e)
      rows_.push_back({e, WeedRow::kBookmarkIcon, WeedRow::kUncheckedState});
  }
  if (rows_.size() > 1) selectedRow = 1;
}

std::string WeedDialog::cellText(std::size_t row, int column) const {
  if (row >= rows_.size()) return {};
  const WeedRow& r = rows_[row];
  const UrlEntry& entry = list_[r.entry()];
  if (r.isGroup()) return column == 0 ? std::string(entry.url) : std::string();
  const BookmarkRecord& bookmark = doc_.bookmark(entry.bookmark);
  if (column != 0) return bookmark.name;
  return bookmark.folder == 0 ? kRootFolderPath : doc_.folder(bookmark.folder).path;
}

bool WeedDialog::toggle(std::size_t row) {
  if (row >= rows_.size()) return false;
  WeedRow& r = rows_[row];
  if (r.isGroup()) return false;
  r.state = r.state == WeedRow::kUncheckedState ? WeedRow::kCheckedState : WeedRow::kUncheckedState;
  return true;
}

std::optional<std::size_t> WeedDialog::spacePressed() {
  if (!selectedRow || !toggle(*selectedRow)) return std::nullopt;
  return selectedRow;
}

std::vector<MenuEntry> WeedDialog::contextMenu() {
  return {{kCmdSelectAll, "&Select All"},
          {kCmdDeselectAll, "&Deselect All"},
          {kCmdSeparator, ""},
          {kCmdInvertSelection, "&Invert Selection"}};
}

std::string WeedDialog::commandPrompt(std::uint32_t command) {
  switch (command) {
    case kCmdSelectAll:
      return "Selects all bookmarks.";
    case kCmdDeselectAll:
      return "Deselects all bookmarks.";
    case kCmdInvertSelection:
      return "Toggles the selection state of all bookmarks";
    default:
      return {};
  }
}

std::vector<std::size_t> WeedDialog::runCommand(std::uint32_t command) {
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    WeedRow& r = rows_[i];
    if (r.isGroup()) continue;
    std::uint32_t state = r.state;
    if (command == kCmdSelectAll && state == WeedRow::kUncheckedState) {
      state = WeedRow::kCheckedState;
    } else if (command == kCmdDeselectAll && state == WeedRow::kCheckedState) {
      state = WeedRow::kUncheckedState;
    } else if (command == kCmdInvertSelection) {
      state = state == WeedRow::kCheckedState ? WeedRow::kUncheckedState : WeedRow::kCheckedState;
    }
    if (state == r.state) continue;
    r.state = state;
    changed.push_back(i);
  }
  return changed;
}

bool WeedDialog::acceptOk(UiPort& ui) {
  // The marks are computed afresh on every OK, so checks changed after a No count.
  removeCount_ = 0;
  bool nothingKept = true;
  for (const WeedRow& r : rows_) {
    if (r.isGroup()) continue;
    const bool remove = r.state == WeedRow::kUncheckedState;
    list_[r.entry()].removalMark = remove ? 1 : 0;
    if (remove)
      ++removeCount_;
    else
      nothingKept = false;
  }
  if (nothingKept) return ui.askYesNo(kKeepNone);
  const bool someUrlLost = std::any_of(groups_.begin(), groups_.end(),
                                       [&](const auto& group) { return groupFullyMarked(group); });
  if (someUrlLost) return ui.askYesNo(kUrlWithoutKeeper);
  return true;
}

bool WeedDialog::groupFullyMarked(const DuplicateGroup& group) const {
  for (std::uint32_t e = group.first; e <= group.last; ++e)
    if (list_[e].removalMark == 0) return false;
  return true;
}

std::optional<WeedDialogPos> WeedDialog::openingPlacement(const Rect& workArea,
                                                          Size minimum) const {
  std::optional<WeedDialogPos> saved = parseWeedDialogPos(settings_.read(setting::kWeedDlgPos));
  if (saved) saved->rect = PlaceWindowInWorkArea(workArea, saved->rect, minimum);
  return saved;
}

void WeedDialog::savePlacement(bool maximized, const Rect& restored) {
  settings_.write(setting::kWeedDlgPos, formatWeedDialogPos({maximized, restored}));
}

ColumnWidths WeedDialog::initialColumns(int clientWidth) {
  return {clientWidth / 2, clientWidth - clientWidth / 2};
}

ColumnWidths WeedDialog::fitColumns(ColumnWidths current, int clientWidth) {
  if (current.urlOrFolder >= kWideColumn) return current;
  if (current.urlOrFolder > clientWidth) return initialColumns(clientWidth);
  return {current.urlOrFolder, clientWidth - current.urlOrFolder};
}

}  // namespace linkfold
