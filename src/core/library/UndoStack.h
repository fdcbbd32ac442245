#pragma once
// The undo stack beside the library document: the steps of the commands that changed the
// library, the place of the current state among them and the step whose state was saved last,
// which the document's modified flag follows. Bounded by a number of steps and by the bytes of
// library data the steps hold; the oldest steps go first.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/UndoStep.h"

namespace linkfold {

class CLFDoc;

class UndoStack {
 public:
  static constexpr std::size_t kMaxSteps = 100;
  static constexpr std::size_t kDefaultMemoryLimit = std::size_t{256} << 20;

  std::size_t memoryLimit() const { return memoryLimit_; }
  void setMemoryLimit(std::size_t bytes);
  void setStepLimit(std::size_t steps);

  // A new library: no steps, and the state as it is counts as saved.
  void clear();
  // Adds the step of a command that has just changed `doc`, dropping every step that could be
  // redone, and sets the modified flag.
  void push(CLFDoc& doc, std::unique_ptr<UndoStep> step);
  // A change that could not be recorded: nothing before it can be undone any more.
  void forgetAll();

  bool canUndo() const { return current_ > 0; }
  bool canRedo() const { return current_ < steps_.size(); }
  // The names of the steps undo and redo would take; empty when there is none.
  std::string undoName() const { return canUndo() ? steps_[current_ - 1]->name() : ""; }
  std::string redoName() const { return canRedo() ? steps_[current_]->name() : ""; }
  // The step undo or redo would take, or null.
  const UndoStep* nextStep(bool undo) const {
    if (undo) return canUndo() ? steps_[current_ - 1].get() : nullptr;
    return canRedo() ? steps_[current_].get() : nullptr;
  }
  // Takes one step back or forward and sets the modified flag; the item to select. Throws
  // std::bad_alloc, with the library and the stack unchanged, when memory runs out.
  LibraryItemRef undo(CLFDoc& doc);
  LibraryItemRef redo(CLFDoc& doc);

  // Save: the current state is the saved one.
  void markSaved() { saved_ = current_; }
  bool atSavedState() const { return saved_ == current_; }

  std::size_t stepCount() const { return steps_.size(); }
  std::size_t doneSteps() const { return current_; }
  std::size_t recordedBytes() const;

 private:
  void enforceBounds();
  void dropOldest();

  std::vector<std::unique_ptr<UndoStep>> steps_;
  std::size_t current_ = 0;               // steps_[0, current_) are done
  std::optional<std::size_t> saved_ = 0;  // none once the saved state was dropped
  std::size_t memoryLimit_ = kDefaultMemoryLimit;
  std::size_t stepLimit_ = kMaxSteps;
};

}  // namespace linkfold
