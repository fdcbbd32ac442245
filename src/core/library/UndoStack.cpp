#include "library/UndoStack.h"

#include "library/CLFDoc.h"

namespace linkfold {

void UndoStack::setMemoryLimit(std::size_t bytes) {
  memoryLimit_ = bytes;
  enforceBounds();
}

void UndoStack::setStepLimit(std::size_t steps) {
  stepLimit_ = steps;
  enforceBounds();
}

void UndoStack::clear() {
  steps_.clear();
  current_ = 0;
  saved_ = 0;
}

void UndoStack::forgetAll() {
  clear();
  saved_.reset();
}

void UndoStack::push(CLFDoc& doc, std::unique_ptr<UndoStep> step) {
  steps_.resize(current_);
  if (saved_ && *saved_ > current_) saved_.reset();  // the saved state could only be redone
  steps_.push_back(std::move(step));
  current_ = steps_.size();
  enforceBounds();
  doc.setModifiedFlag(!atSavedState());
}

LibraryItemRef UndoStack::undo(CLFDoc& doc) {
  if (!canUndo()) return {};
  UndoStep& step = *steps_[current_ - 1];
  step.apply(doc, true);
  --current_;
  doc.setModifiedFlag(!atSavedState());
  const LibraryItemRef focus = step.focus(true);
  enforceBounds();  // the step may hold more now than before
  return focus;
}

LibraryItemRef UndoStack::redo(CLFDoc& doc) {
  if (!canRedo()) return {};
  UndoStep& step = *steps_[current_];
  step.apply(doc, false);
  ++current_;
  doc.setModifiedFlag(!atSavedState());
  const LibraryItemRef focus = step.focus(false);
  enforceBounds();
  return focus;
}

std::size_t UndoStack::recordedBytes() const {
  std::size_t sum = 0;
  for (const auto& step : steps_) sum += step->recordedBytes();
  return sum;
}

void UndoStack::enforceBounds() {
  while (steps_.size() > stepLimit_) dropOldest();
  while (!steps_.empty() && recordedBytes() > memoryLimit_) dropOldest();
}

void UndoStack::dropOldest() {
  if (current_ == 0) {
    // The oldest step is one to redo: every later one builds on it.
    steps_.clear();
    if (saved_ != 0) saved_.reset();
    return;
  }
  steps_.erase(steps_.begin());
  --current_;
  if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
}

}  // namespace linkfold
