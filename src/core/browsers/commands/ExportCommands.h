#pragma once
// The Export menu: the six commands that send the library to the detected browsers, to a
// Netscape-format file of the user's choice or to a plain text file, the rules that enable
// them, and the warning when no folder is selected. Each command returns whether it wrote
// everything it set out to write (false also when the user declined or cancelled); a disabled
// command does nothing, whichever way it is called.

#include "view/CommandIds.h"

namespace linkfold {

class CLFDoc;
class CLFView;

class ExportCommands {
 public:
  // The title a Netscape file chosen by the user gets, in place of the document's.
  static constexpr const char* kChosenFileTitle = "Bookmarks exported by Linkfold";

  explicit ExportCommands(CLFView& view);

  CommandState OnUpdateExportMsie() const;
  CommandState OnUpdateExportNetscape3() const;
  // Also names the selected profile in the item's text.
  CommandState OnUpdateExportNetscape4() const;
  CommandState OnUpdateExportAll() const;
  CommandState OnUpdateExportOther() const;
  CommandState OnUpdateExportText() const;

  bool OnExportMsie();
  bool OnExportNetscape3();
  bool OnExportNetscape4();
  // Netscape 3.x, then Netscape 4.x, then MSIE, each that is present; one failing does not
  // stop the next.
  bool OnExportAll();
  bool OnExportOther();
  bool OnExportText();

  // The state of a command by its id (the six above); enabled for any other id.
  CommandState stateOf(CommandId id) const;
  // Runs one of the six; false for any other id.
  bool run(CommandId id);

 private:
  bool hasBookmarks() const;
  // Enabled, and the warning (when no folder is selected) answered Yes.
  bool proceed(const CommandState& state) const;
  bool exportMsie();
  bool exportNetscape3();
  bool exportNetscape4();

  CLFView& view_;
  CLFDoc& doc_;
};

}  // namespace linkfold
