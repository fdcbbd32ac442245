#pragma once
// The File menu's document commands as the framework runs them around CLFDoc: New, Open, Open
// Exclusive, Save and Save As, with the prompt to save a modified library, the file dialogs,
// what follows a failed open, and the safe save. The window and the command line drive these;
// onDocumentChanged tells the view to rebuild its tree from the tables.

#include <functional>
#include <string>

namespace linkfold {

class CLFDoc;
class UiPort;

class DocumentCommands {
 public:
  explicit DocumentCommands(CLFDoc& doc, std::function<void()> onDocumentChanged = {});

  // File New. False when the prompt to save was cancelled or New failed.
  bool fileNew();
  // File Open: the file dialog, then openDocumentFile. False when nothing was opened.
  bool fileOpen();
  // Asks first, then File Open with the library read alone (no import).
  bool fileOpenExclusive();
  // Opens a named library (file dialog, command line, dropped file).
  bool openDocumentFile(const std::string& path);

  // Save and Save As are enabled exactly when the library holds bookmarks.
  bool canSave() const;
  bool fileSave();
  bool fileSaveAs();
  // For a modified library, "Save changes to ...?"; false when the user cancelled or the save
  // failed, so the caller must not go on.
  bool saveModified();

 private:
  // Saves under `path`, or asks for a name when it is empty.
  bool doSave(const std::string& path);
  std::string proposedSaveName() const;
  // Where the damaged file that `target` replaces is kept first ("<name>.damaged", once);
  // empty when `target` is no such file or its copy exists already.
  std::string damagedCopyFor(const std::string& target) const;
  void documentChanged();

  CLFDoc& doc_;
  UiPort& ui_;
  std::function<void()> onDocumentChanged_;
};

}  // namespace linkfold
