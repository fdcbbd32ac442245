// The undo stack's bookkeeping: the modified flag follows the saved step, the bounds drop the
// oldest steps, and a step that runs out of memory changes nothing.
#include <gtest/gtest.h>

#include "LibraryFixture.h"
#include "library/UndoRecorder.h"
#include "support/AllocationLimit.h"

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
      switch (a) {
        case 'e':
          edit();
          break;
        case 'u':
          stack().undo(doc);
          break;
        case 'r':
          stack().redo(doc);
          break;
        case 's':
          stack().markSaved();
          doc.setModifiedFlag(false);
          break;
      }
    }
  }

 private:
  int edits_ = 0;
};

TEST_F(UndoStackTest, ModifiedFlagFollowsTheSavedStepWithinTheBounds) {
  edit();
  const std::size_t stepBytes = stack().recordedBytes();
  stack().clear();
  const struct {
    const char* actions;
    std::size_t stepLimit;
    std::size_t memorySteps;  // the memory limit in steps of one edit; 0 for the default
    bool modified;
    std::size_t steps, done;
  } cases[] = {
      {"e", 100, 0, true, 1, 1},
      {"eu", 100, 0, false, 1, 0},
      {"eur", 100, 0, true, 1, 1},
      {"eesu", 100, 0, true, 2, 1},
      {"eesur", 100, 0, false, 2, 2},
      {"esue", 100, 0, true, 1, 1},  // the saved step could only be redone: gone
      {"esueu", 100, 0, true, 1, 0},
      {"eeeeeuuuuu", 3, 0, true, 3, 0},   // the opened state was dropped with the oldest step
      {"eeeseuuurr", 3, 0, false, 3, 2},  // the saved step moves down with the drop
      {"eeeuuuee", 3, 0, true, 2, 2},
      {"eeee", 100, 2, true, 2, 2},
      {"eeeesuu", 100, 2, true, 2, 0},
      {"eu", 100, 1, false, 1, 0},
  };
  for (const auto& c : cases) {
    stack().clear();
    doc.setModifiedFlag(false);
    stack().setStepLimit(c.stepLimit);
    stack().setMemoryLimit(c.memorySteps ? c.memorySteps * stepBytes
                                         : UndoStack::kDefaultMemoryLimit);
    play(c.actions);
    EXPECT_EQ(doc.isModified(), c.modified) << c.actions;
    EXPECT_EQ(stack().stepCount(), c.steps) << c.actions;
    EXPECT_EQ(stack().doneSteps(), c.done) << c.actions;
    EXPECT_LE(stack().recordedBytes(), stack().memoryLimit()) << c.actions;
  }
}

TEST_F(UndoStackTest, AStepTooLargeForTheBoundIsNotKept) {
  stack().setMemoryLimit(1000);
  EditRecorder recorder(doc, "Delete");
  std::vector<std::uint32_t> all(doc.bookmarkCount());
  for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
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
