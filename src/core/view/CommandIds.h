#pragma once
// Command ids of the menus, keys, toolbar and context menus. The window routes a command by its
// id; the core decides whether it is enabled and what its menu text says.

#include <cstdint>
#include <optional>
#include <string>

namespace linkfold {

enum CommandId : std::uint32_t {
  kCmdSeparator = 0,
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSave = 57603,
  kCmdFileSaveAs = 57604,
  kCmdAppAbout = 57664,
  kCmdExportMsie = 32772,
  kCmdExportNetscape3 = 32773,
  kCmdExportText = 32774,
  kCmdExportAll = 32775,
  kCmdRename = 32776,
  kCmdDelete = 32778,
  kCmdConfirmBookmarkDelete = 32779,
  kCmdConfirmFolderDelete = 32782,
  kCmdIntroduction = 32786,
  kCmdNewFolder = 32787,
  kCmdProperties = 32788,
  kCmdWeedDuplicates = 32789,
  kCmdExpandAll = 32790,
  kCmdCollapseAll = 32791,
  kCmdExportOther = 32792,
  kCmdImportHtml = 32793,
  kCmdScrollingSpeed = 32794,
  kCmdFindNext = 32796,
  kCmdExportNetscape4 = 32797,
  kCmdImportLog = 32798,
  kCmdFollow = 32800,
  kCmdReplacementCharacter = 32801,
  kCmdOpenExclusive = 32802,
  kCmdBrowsers = 32820,  // Options, today's browsers to read
  kCmdFind = 57636,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
  // Opening bookmarks, the clipboard and the filter box.
  kCmdOpenInBrowser = 32803,
  kCmdFilter = 32804,
  kCmdCopy = 57634,
  kCmdCut = 57635,
  kCmdPaste = 57637,
};

// What an update handler decides about a command.
struct CommandState {
  bool enabled = true;
  std::optional<std::string> text;  // a new menu text, when the handler sets one
  bool checked = false;
};

struct MenuEntry {
  std::uint32_t id = kCmdSeparator;  // kCmdSeparator: a separator line
  std::string text;

  bool operator==(const MenuEntry&) const = default;
};

}  // namespace linkfold
