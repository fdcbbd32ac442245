#pragma once
// How a command records its step while it changes the library. An edit tells the recorder
// what it is about to change (records edited in place, records and folders it removes, the
// folder table) and commits once done; records it appended are found at commit. An import
// keeps a copy of both tables from before it ran.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "library/UndoStep.h"

namespace linkfold {

class CLFDoc;

class EditRecorder {
 public:
  EditRecorder(CLFDoc& doc, std::string name);

  // Each before the change it names.
  void keepFolders();
  void keepBookmark(std::uint32_t index);
  void removingBookmarks(const std::vector<std::uint32_t>& ascending);
  void removingFolders(const std::vector<std::uint32_t>& ascending);

  // After the command changed the library: pushes the step onto the document's stack. A
  // recorder dropped without commit records nothing (the command changed nothing).
  void commit(LibraryItemRef focusBefore, LibraryItemRef focusAfter);

 private:
  CLFDoc& doc_;
  std::string name_;
  TableEditStep::Record record_;
  std::uint32_t countBefore_;
  bool failed_ = false;  // memory ran out while recording
};

// Both tables as they are now; none when memory ran out.
std::optional<LibraryTables> copyTables(const CLFDoc& doc);
// After a command that changed too much to keep as an inverse (an import) and started from
// `before`: its step, when it marked the library modified. Without `before` nothing that came
// earlier can be undone any more.
void recordTablesStep(CLFDoc& doc, std::string name, std::optional<LibraryTables> before);

}  // namespace linkfold
