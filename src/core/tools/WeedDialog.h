#pragma once
// The Weed Duplicates dialog (template 137): a list with one group row per shared URL and, under
// it, one row per bookmark with that URL. The person checks the bookmarks to keep; OK marks
// the others for removal. The window asks the rows for their texts and forwards clicks, keys,
// the context menu's commands and its own placement here.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/UiPort.h"
#include "tools/DuplicateUrls.h"
#include "tools/WindowPlacement.h"
#include "view/CommandIds.h"

namespace linkfold {

class CLFDoc;
class SettingsStore;

// The context menu's commands.
inline constexpr std::uint32_t kCmdSelectAll = 2001;
inline constexpr std::uint32_t kCmdDeselectAll = 2002;
inline constexpr std::uint32_t kCmdInvertSelection = 2003;

struct WeedRow {
  // Item data: a group row holds its group's first list entry with this bit set; a bookmark row
  // holds its own list entry.
  static constexpr std::uint32_t kGroupFlag = 0x80000000u;
  static constexpr int kGroupIcon = 3;     // the short bar of the view's image list
  static constexpr int kBookmarkIcon = 1;  // the bookmark of the view's image list
  static constexpr std::uint32_t kUrlState = 5;
  static constexpr std::uint32_t kUncheckedState = 2;  // not kept
  static constexpr std::uint32_t kCheckedState = 3;    // kept

  std::uint32_t data = 0;
  int icon = kBookmarkIcon;
  std::uint32_t state = kUncheckedState;

  bool isGroup() const { return (data & kGroupFlag) != 0; }
  std::uint32_t entry() const { return data & ~kGroupFlag; }
};

struct ColumnWidths {
  int urlOrFolder = 0;
  int pageName = 0;
  friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;
};

class WeedDialog : public DialogModel {
 public:
  static constexpr const char* kUrlColumn = "URL / Folder Name";
  static constexpr const char* kNameColumn = "Page Name";

  // Lists every group, each followed by its bookmarks, all unchecked; row 1 (the first
  // bookmark) is selected. The dialog writes removal marks into `list`.
  WeedDialog(const CLFDoc& doc, std::span<UrlEntry> list, std::span<const DuplicateGroup> groups,
             SettingsStore& settings);

  const std::vector<WeedRow>& rows() const { return rows_; }
  // Column 0: the group's URL, or the bookmark's folder path ("Root Folder\" for the root).
  // Column 1: nothing for a group, the bookmark's name. Nothing for a row past the last.
  std::string cellText(std::size_t row, int column) const;

  // The single selected row (the one the Space key toggles), if any.
  std::optional<std::size_t> selectedRow;

  // Toggles a bookmark row between unchecked and checked; group rows stay as they are. True
  // when the row changed and needs redrawing; a row past the last changes nothing.
  bool toggle(std::size_t row);
  // A click toggles only when it falls on the row's check box.
  bool clicked(std::size_t row, bool onCheckBox) { return onCheckBox && toggle(row); }
  bool doubleClicked(std::size_t row) { return toggle(row); }
  // Returns the row that changed, if any.
  std::optional<std::size_t> spacePressed();

  static std::vector<MenuEntry> contextMenu();
  static std::string commandPrompt(std::uint32_t command);
  // Select All, Deselect All or Invert Selection over every bookmark row; returns the rows
  // that changed.
  std::vector<std::size_t> runCommand(std::uint32_t command);

  // Marks every unchecked bookmark for removal and counts them; asks before removing every
  // bookmark, or every bookmark of some URL, and stays open on No.
  bool acceptOk(UiPort& ui) override;
  // Cancel: nothing will be removed.
  void reject() { removeCount_ = 0; }
  std::uint32_t removeCount() const { return removeCount_; }

  // The saved placement brought into the work area, or nothing when none is saved.
  std::optional<WeedDialogPos> openingPlacement(const Rect& workArea, Size minimum) const;
  // Every close, by OK or by Cancel, saves the restored rectangle and the maximised flag.
  void savePlacement(bool maximized, const Rect& restored);

  // Column 0 gets half the list's width, column 1 the rest.
  static ColumnWidths initialColumns(int clientWidth);
  // Fits the columns to a resized list; a very wide first column is left as the person made it.
  static ColumnWidths fitColumns(ColumnWidths current, int clientWidth);

 private:
  bool groupFullyMarked(const DuplicateGroup& group) const;

  const CLFDoc& doc_;
  std::span<UrlEntry> list_;
  std::span<const DuplicateGroup> groups_;
  SettingsStore& settings_;
  std::vector<WeedRow> rows_;
  std::uint32_t removeCount_ = 0;
};

}  // namespace linkfold
