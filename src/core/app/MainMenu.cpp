#include "app/MainMenu.h"

#include <array>

#include "app/RecentFileList.h"

namespace linkfold {

namespace {

constexpr MenuEntry kSeparator{};

constexpr std::array kAccelerators{
    Accelerator{kCmdFind, Key::Letter, 'F', true},
    Accelerator{kCmdFileNew, Key::Letter, 'N', true},
    Accelerator{kCmdFileOpen, Key::Letter, 'O', true},
    Accelerator{kCmdProperties, Key::Letter, 'P', true},
    Accelerator{kCmdRename, Key::Letter, 'R', true},
    Accelerator{kCmdFileSave, Key::Letter, 'S', true},
    Accelerator{kCmdExpandAll, Key::KeypadPlus, 0, true},
    Accelerator{kCmdDelete, Key::Delete},
    Accelerator{kCmdHelp, Key::F1},
    Accelerator{kCmdContextHelp, Key::F1, 0, false, true},
    Accelerator{kCmdFindNext, Key::F3},
    Accelerator{kCmdCollapseAll, Key::KeypadMinus, 0, true},
    Accelerator{kCmdWeedDuplicates, Key::Letter, 'W', true},
    Accelerator{kCmdUndo, Key::Letter, 'Z', true},
    Accelerator{kCmdRedo, Key::Letter, 'Y', true},
    Accelerator{kCmdRedo, Key::Letter, 'Z', true, true},
    Accelerator{kCmdCopy, Key::Letter, 'C', true},
    Accelerator{kCmdCut, Key::Letter, 'X', true},
    Accelerator{kCmdPaste, Key::Letter, 'V', true},
    Accelerator{kCmdFilter, Key::Letter, 'L', true},
};

constexpr std::array kToolbar{
    ToolbarButton{kCmdFileNew, "new"},
    ToolbarButton{kCmdFileOpen, "open"},
    ToolbarButton{kCmdOpenExclusive, "open-exclusive"},
    ToolbarButton{kCmdFileSave, "save"},
    ToolbarButton{kCmdFileSaveAs, "save-as"},
    ToolbarButton{kCmdSeparator, {}},
    ToolbarButton{kCmdUndo, "undo"},
    ToolbarButton{kCmdRedo, "redo"},
    ToolbarButton{kCmdSeparator, {}},
    ToolbarButton{kCmdConfirmFolderDelete, "confirm-folder-delete"},
    ToolbarButton{kCmdConfirmBookmarkDelete, "confirm-bookmark-delete"},
    ToolbarButton{kCmdSeparator, {}},
    ToolbarButton{kCmdAppAbout, "about"},
    ToolbarButton{kCmdContextHelp, "context-help"},
};

constexpr std::array kIndicators{
    StatusIndicator{LockKey::Caps, "CAP"},
    StatusIndicator{LockKey::Num, "NUM"},
    StatusIndicator{LockKey::Scroll, "SCRL"},
};

struct Prompt {
  std::uint32_t command;
  std::string_view text;
};

constexpr std::array kPrompts{
    Prompt{kCmdFileNew, "Builds a new library from the bookmarks of your browsers\nNew"},
    Prompt{kCmdFileOpen, "Opens an existing Library and combines it with your current bookmarks\nOpen"},
    Prompt{kCmdOpenExclusive,
           "Opens an existing Library without adding your current bookmarks\nOpen Exclusive"},
    Prompt{kCmdFileSave, "Save the active document\nSave"},
    Prompt{kCmdFileSaveAs, "Save the active document with a new name\nSave As"},
    Prompt{kCmdImportHtml, "Adds the bookmarks of a Netscape bookmark file to the library\nImport HTML"},
    Prompt{kCmdRecentFile1, "Open this document"},
    Prompt{kCmdRecentFile1 + 1, "Open this document"},
    Prompt{kCmdRecentFile1 + 2, "Open this document"},
    Prompt{kCmdRecentFile1 + 3, "Open this document"},
    Prompt{kCmdAppExit, "Quit the application; prompts to save documents\nExit"},
    Prompt{kCmdUndo, "Takes back the last change to the library\nUndo"},
    Prompt{kCmdRedo, "Makes the change taken back last again\nRedo"},
    Prompt{kCmdRename, "Rename the selected item"},
    Prompt{kCmdDelete, "Delete the selected item"},
    Prompt{kCmdNewFolder, "Creates a new, empty folder\nNew folder"},
    Prompt{kCmdFind, "Search for a bookmark, starting with the currently selected item\nFind"},
    Prompt{kCmdFindNext, "Find the next matching bookmark\nFind Next"},
    Prompt{kCmdWeedDuplicates, "Locates and/or removes bookmarks that point to the same URL"},
    Prompt{kCmdExportMsie, "Export the current document to your MSIE Favorites folder"},
    Prompt{kCmdExportNetscape3, "Exports the current document to your Netscape BOOKMARK.HTM file"},
    Prompt{kCmdExportNetscape4, "Export the library to the selected Netscape 4.x user"},
    Prompt{kCmdExportAll, "Exports the current document to all detected browsers"},
    Prompt{kCmdExportOther,
           "Exports selected folders to the .HTM file you specify in Netscape format"},
    Prompt{kCmdExportText,
           "Exports the selected folders in ASCII text form to the file you specify."},
    Prompt{kCmdConfirmBookmarkDelete,
           "Enable or disable confirmation prompt before deleting a bookmark\nConfirm bookmark "
           "delete"},
    Prompt{kCmdConfirmFolderDelete,
           "Enable or disable the confirmation prompt before deleting a folder\nConfirm folder "
           "delete"},
    Prompt{kCmdFollow, "Determines whether or not a bookmark stays selected when moved."},
    Prompt{kCmdScrollingSpeed,
           "Determines how the rapidly the window scrolls when dragging an object"},
    Prompt{kCmdReplacementCharacter,
           "Sets the character used to replace illegal characters in file and folder names"},
    Prompt{kCmdBrowsers,
           "Chooses the Firefox and Chromium-family profiles that New and Open read"},
    Prompt{kCmdViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    Prompt{kCmdViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
    Prompt{kCmdExpandAll, "Opens all folders in the document."},
    Prompt{kCmdCollapseAll, "Closes all folders in the document."},
    Prompt{kCmdProperties, "Displays detailed information about the selected bookmark"},
    Prompt{kCmdOpenInBrowser,
           "Opens the selected bookmark, or every bookmark of the selected folder, in your web "
           "browser\nOpen in Browser"},
    Prompt{kCmdCut, "Copies the selected bookmark to the clipboard and deletes it\nCut"},
    Prompt{kCmdCopy, "Copies the selected bookmark, or the bookmarks of the selected folder, to "
                     "the clipboard\nCopy"},
    Prompt{kCmdPaste, "Adds the URLs on the clipboard to the selected folder\nPaste"},
    Prompt{kCmdFilter,
           "Shows only the bookmarks whose name or URL holds the text you type\nFilter"},
    Prompt{kCmdImportLog, "Opens the log of the last import in your text viewer\nImport Log"},
    Prompt{kCmdHelpFinder, "List Help topics\nHelp Topics"},
    Prompt{kCmdIntroduction, "Shows the introduction to Linkfold\nIntroduction"},
    Prompt{kCmdAppAbout, "Display program information, version number and copyright\nAbout"},
    Prompt{kCmdContextHelp, "Display help for clicked on buttons, menus and windows\nHelp"},
    Prompt{kCmdHelp, "Display help for current task or command\nHelp"},
};

}  // namespace

const std::vector<MenuDefinition>& mainMenus() {
  static const std::vector<MenuDefinition> menus{
      {"&File",
       {{kCmdFileNew, "&New\tCtrl+N"}, {kCmdFileOpen, "&Open...\tCtrl+O"},
        {kCmdOpenExclusive, "Open &Exclusive..."}, {kCmdFileSave, "&Save\tCtrl+S"},
        {kCmdFileSaveAs, "Save &As..."}, kSeparator, {kCmdImportHtml, "&Import HTML..."},
        kSeparator, {kCmdRecentFile1, std::string(RecentFileList::kEmptyText)}, kSeparator,
        {kCmdAppExit, "E&xit"}}},
      {"&Edit",
       {{kCmdUndo, "&Undo\tCtrl+Z"}, {kCmdRedo, "&Redo\tCtrl+Y"}, kSeparator,
        {kCmdOpenInBrowser, "&Open in Browser\tEnter"}, kSeparator, {kCmdCut, "Cu&t\tCtrl+X"},
        {kCmdCopy, "&Copy\tCtrl+C"}, {kCmdPaste, "&Paste\tCtrl+V"}, kSeparator,
        {kCmdRename, "&Rename\tCtrl+R"}, {kCmdDelete, "&Delete\tDel"},
        {kCmdNewFolder, "&New Folder"}, kSeparator, {kCmdFind, "&Find Bookmark\tCtrl+F"},
        {kCmdFindNext, "Find Ne&xt\tF3"}, {kCmdFilter, "F&ilter\tCtrl+L"}, kSeparator,
        {kCmdWeedDuplicates, "&Weed Duplicates\tCtrl+W"}}},
      {"E&xport",
       {{kCmdExportMsie, "&MSIE Bookmarks"}, {kCmdExportNetscape3, "Netscape &3.x"},
        {kCmdExportNetscape4, "Netscape &4.x"}, {kCmdExportAll, "&All Browsers"}, kSeparator,
        {kCmdExportOther, "&Other BOOKMARK.HTM..."}, {kCmdExportText, "&Text only..."}}},
      {"&Options",
       {{kCmdConfirmBookmarkDelete, "Confirm &Bookmark Delete"},
        {kCmdConfirmFolderDelete, "Confirm &Folder Delete"},
        {kCmdFollow, "Follow &Moved Bookmarks"}, kSeparator,
        {kCmdScrollingSpeed, "&Scrolling Speed..."},
        {kCmdReplacementCharacter, "&Replacement Character..."}, kSeparator,
        {kCmdBrowsers, "&Browsers..."}}},
      {"&View",
       {{kCmdViewToolbar, "&Toolbar"}, {kCmdViewStatusBar, "&Status Bar"}, kSeparator,
        {kCmdExpandAll, "&Expand All\tCtrl+Numpad +"},
        {kCmdCollapseAll, "&Collapse all\tCtrl+Numpad -"}, kSeparator,
        {kCmdProperties, "&Properties...\tCtrl+P"}, kSeparator, {kCmdImportLog, "&Import Log"}}},
      {"&Help",
       {{kCmdHelpFinder, "&Help Topics"}, {kCmdIntroduction, "&Introduction"}, kSeparator,
        {kCmdAppAbout, "&About Linkfold..."}}},
  };
  return menus;
}

std::span<const Accelerator> accelerators() {
  return kAccelerators;
}

std::span<const ToolbarButton> toolbarButtons() {
  return kToolbar;
}

std::span<const StatusIndicator> statusIndicators() {
  return kIndicators;
}

std::string_view promptString(std::uint32_t command) {
  for (const auto& prompt : kPrompts)
    if (prompt.command == command) return prompt.text;
  return {};
}

std::string statusPrompt(std::uint32_t command) {
  const std::string_view text = promptString(command);
  return std::string(text.substr(0, text.find('\n')));
}

std::string toolTip(std::uint32_t command) {
  const std::string_view text = promptString(command);
  const auto newline = text.find('\n');
  return newline == std::string_view::npos ? std::string() : std::string(text.substr(newline + 1));
}

bool isToggle(std::uint32_t command) {
  switch (command) {
    case kCmdConfirmBookmarkDelete:
    case kCmdConfirmFolderDelete:
    case kCmdFollow:
    case kCmdViewToolbar:
    case kCmdViewStatusBar:
      return true;
    default:
      return false;
  }
}

}  // namespace linkfold
