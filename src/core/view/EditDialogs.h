#pragma once
// The two dialogs of the tree view's editing commands: Rename (template 142) and Bookmark
// Properties (template 136). Each is a plain set of fields that the window shows; the checks
// that run on OK, before the dialog may close, are made here.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/UiPort.h"

namespace linkfold {

struct CRenameDlg : DialogModel {
  static constexpr std::size_t kMaxChars = 50;

  CRenameDlg(std::string kind, std::string currentName)
      : kindWord(std::move(kind)), name(std::move(currentName)) {}

  // "Rename Bookmark" or "Rename Folder".
  std::string title() const { return "Rename " + kindWord; }
  // The edit's maximum-length validation: a longer name keeps the dialog open.
  bool acceptOk(UiPort& ui) override;

  std::string kindWord;  // "Bookmark" or "Folder"
  std::string name;      // what the edit shows, and what was typed
};

struct CPropertiesDlg : DialogModel {
  static constexpr std::uint32_t kHelpTopic = 0x20000 + 136;

  // Refuses a URL that is nothing but white space; otherwise the URL stays exactly as typed.
  bool acceptOk(UiPort& ui) override;
  void help(UiPort& ui) const { ui.showHelp(kHelpTopic); }

  std::string name;  // shown read-only
  std::string url;   // the only field that can be edited
  std::string dateAdded;
  std::string dateModified;
  std::string lastVisit;
  // The text the URL edit's undo would bring back, when it can undo; the window sets it with
  // every OK, and the refusal of a blank URL uses it.
  std::optional<std::string> urlUndo;
};

}  // namespace linkfold
