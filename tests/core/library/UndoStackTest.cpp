// The undo stack's bookkeeping: the modified flag follows the saved step, the bounds drop the
// oldest steps, and a step that runs out of memory changes nothing.
#include <gtest/gtest.h>

#include <numeric>

#include "LibraryFixture.h"
#include "library/UndoRecorder.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

struct UndoStackTest : ::testing::Test, LibraryFixture {
  UndoStackTest() {
    doc.addFolder("\\", true);
    for (int i = 0; i < 1000; ++i) bookmark(0, "b" + std::to_string(i), "http://x/");
    doc.undoStack().clear();
    doc.setModifiedFlag(false);
  }
  UndoStack& stack() { return doc.undoStack(); }

  // Renames the first bookmark; every such step holds the same number of bytes.
  void edit() {
    EditRecorder recorder(doc, "Rename");
    recorder.keepBookmark(0);
    doc.setBookmarkName(0, "e" + std::to_string(edits_++ % 10));
    recorder.commit({}, {});
  }
  // e edit, u undo, r redo, s save.
  void play(const std::string& actions) {
    for (char a : actions) {
      if (a == 'e') edit();
      if (a == 'u') stack().undo(doc);
      if (a == 'r') stack().redo(doc);
      if (a == 's') stack().markSaved(), doc.setModifiedFlag(false);
    }
  }

 private:
  int edits_ = 0;
};

TEST_F(UndoStackTest, ModifiedFlagFollowsTheSavedStepWithinTheBounds) {
  edit();
  const std::size_t stepBytes = stack().recordedBytes();
  stack().clear();
  std::size_t rows = 0;
  for (const std::string& row : readCases("undo-stack-cases.txt").at(0).lines("rows")) {
    if (row.starts_with("#")) continue;
    std::istringstream fields(row);
    std::string actions;
    std::size_t stepLimit, memorySteps, steps, done;
    bool modified;
    ASSERT_TRUE(fields >> actions >> stepLimit >> memorySteps >> modified >> steps >> done) << row;
    ++rows;
    stack().clear();
    doc.setModifiedFlag(false);
    stack().setStepLimit(stepLimit);
    stack().setMemoryLimit(memorySteps ? memorySteps * stepBytes : UndoStack::kDefaultMemoryLimit);
    play(actions);
    EXPECT_EQ(doc.isModified(), modified) << row;
    EXPECT_EQ(stack().stepCount(), steps) << row;
    EXPECT_EQ(stack().doneSteps(), done) << row;
    EXPECT_LE(stack().recordedBytes(), stack().memoryLimit()) << row;
  }
  EXPECT_GT(rows, 10u);
}

TEST_F(UndoStackTest, AStepTooLargeForTheBoundIsNotKept) {
  stack().setMemoryLimit(1000);
  EditRecorder recorder(doc, "Delete");
  std::vector<std::uint32_t> all(doc.bookmarkCount());
  std::iota(all.begin(), all.end(), 0u);
  recorder.removingBookmarks(all);
  doc.removeBookmarks(all);
  recorder.commit({}, {});
  EXPECT_FALSE(stack().canUndo());
  EXPECT_TRUE(doc.isModified());
}

TEST_F(UndoStackTest, AnUndoWithoutMemoryChangesNothing) {
  EditRecorder recorder(doc, "Delete");
  const std::vector<std::uint32_t> some{0, 10, 999};
  recorder.removingBookmarks(some);
  doc.removeBookmarks(some);
  recorder.commit(LibraryItemRef::bookmark(10), {});
  const std::string before = saved();
  {
    ScopedAllocationLimit limit(4);
    EXPECT_THROW(stack().undo(doc), std::bad_alloc);
  }
  EXPECT_EQ(saved(), before);
  EXPECT_EQ(stack().doneSteps(), 1u);
  EXPECT_EQ(stack().undo(doc).index, 10u);
  EXPECT_EQ(doc.bookmarkCount(), 1000u);
  EXPECT_EQ(doc.bookmark(999).name, "b999");
}

}  // namespace
}  // namespace linkfold::test
