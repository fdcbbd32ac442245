#pragma once
// The main window's commands as data: the menu bar, the accelerator keys, the toolbar, each
// command's prompt string (the status-bar prompt and the tooltip) and the status bar's panes.
// The window builds its widgets from these tables and routes every command by its id.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "view/CommandIds.h"

namespace linkfold {

// Commands the framework handled itself.
inline constexpr std::uint32_t kCmdAppExit = 57665;
inline constexpr std::uint32_t kCmdHelpFinder = 57667;
inline constexpr std::uint32_t kCmdContextHelp = 57669;  // Shift+F1 and the last toolbar button
inline constexpr std::uint32_t kCmdHelp = 57670;         // F1
inline constexpr std::uint32_t kCmdDefaultHelp = 57671;
inline constexpr std::uint32_t kCmdViewToolbar = 59392;
inline constexpr std::uint32_t kCmdViewStatusBar = 59393;

struct MenuDefinition {
  std::string_view title;  // "&File"
  // A separator has id 0; the entry kCmdRecentFile1 marks where the recent-file list stands.
  std::vector<MenuEntry> items;
};

const std::vector<MenuDefinition>& mainMenus();

enum class Key { Letter, Delete, F1, F3, KeypadPlus, KeypadMinus };

struct Accelerator {
  std::uint32_t command;
  Key key;
  char letter = 0;  // for Key::Letter, upper case
  bool ctrl = false;
  bool shift = false;
};

std::span<const Accelerator> accelerators();

struct ToolbarButton {
  std::uint32_t command;  // 0: a separator
  std::string_view icon;  // the picture's name among the program's icons
};

std::span<const ToolbarButton> toolbarButtons();

// The whole prompt string: the status-bar prompt, then after "\n" the tooltip (if any).
// Empty for a command without one.
std::string_view promptString(std::uint32_t command);
std::string statusPrompt(std::uint32_t command);
std::string toolTip(std::uint32_t command);

inline constexpr std::string_view kIdlePrompt = "For Help, press F1";
// What's This for the library tree.
inline constexpr std::string_view kTreeWhatsThis =
    "Your bookmark library. Tick a folder's box to include it in exports, double-click a "
    "bookmark to see its properties, drag folders and bookmarks to move them, and right-click an "
    "item for its commands.";

// The status bar's panes after the message pane: each shows its text while its lock key is on.
enum class LockKey { Caps, Num, Scroll };
struct StatusIndicator {
  LockKey key;
  std::string_view text;
};
std::span<const StatusIndicator> statusIndicators();

// The option toggles and the two bars: their items show a check mark, their buttons stay
// pressed while on.
bool isToggle(std::uint32_t command);

}  // namespace linkfold
