// Undo and redo in a library of 1,000,000 bookmarks in 10,000 folders: a rename, a delete and a
// move each taken back and made again, in the library alone and through the tree view, and an
// import of 100,000 bookmarks taken back. The
// counter "recorded" is the bytes the stack holds, "bound" its limit.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "library/FolderTree.h"
#include "library/UndoRecorder.h"
#include "view/CLFView.h"

namespace linkfold::bench {
namespace {

// Every benchmark leaves the library as it found it: its step is taken back at the end.
CLFDoc& library() {
  static BenchLibrary lib;
  static const bool made = generateLibrary(lib.doc, LibraryShape{});
  if (!made) std::abort();
  lib.doc.undoStack().clear();
  return lib.doc;
}

// Undo and redo of the one step on the stack, as a pair.
void undoRedo(benchmark::State& state, CLFDoc& doc) {
  UndoStack& stack = doc.undoStack();
  if (!stack.canUndo()) state.SkipWithError("the command recorded no step");
  for (auto _ : state) {
    stack.undo(doc);
    stack.redo(doc);
  }
  state.counters["recorded"] = static_cast<double>(stack.recordedBytes());
  state.counters["bound"] = static_cast<double>(stack.memoryLimit());
  stack.undo(doc);
}

void BM_UndoRedoRename(benchmark::State& state) {
  CLFDoc& doc = library();
  const std::uint32_t index = doc.bookmarkCount() / 2;
  EditRecorder recorder(doc, "Rename");
  recorder.keepBookmark(index);
  doc.setBookmarkName(index, doc.bookmark(index).name + " renamed");
  recorder.commit(LibraryItemRef::bookmark(index), LibraryItemRef::bookmark(index));
  undoRedo(state, doc);
}

void BM_UndoRedoDeleteBookmark(benchmark::State& state) {
  CLFDoc& doc = library();
  const std::uint32_t index = doc.bookmarkCount() / 2;
  EditRecorder recorder(doc, "Delete");
  recorder.removingBookmarks({index});
  doc.removeBookmark(index);
  recorder.commit({}, {});
  undoRedo(state, doc);
}

// The first folder from the middle of the table on that has no sub-folders and a parent
// other than the root.
std::uint32_t leafFolder(const CLFDoc& doc) {
  std::vector<bool> hasChildren(doc.folderCount(), false);
  for (std::uint32_t f = 1; f < doc.folderCount(); ++f) hasChildren[doc.folder(f).parent] = true;
  for (std::uint32_t f = doc.folderCount() / 2; f < doc.folderCount(); ++f)
    if (!hasChildren[f] && doc.folder(f).parent != 0) return f;
  return 0;
}

// A folder with its bookmarks; range(0) 1 takes a top-level folder with everything below it.
void BM_UndoRedoDeleteFolder(benchmark::State& state) {
  CLFDoc& doc = library();
  std::uint32_t folder = leafFolder(doc);
  while (state.range(0) == 1 && doc.folder(folder).parent != 0) folder = doc.folder(folder).parent;
  EditRecorder recorder(doc, "Delete");
  if (!removeFolderTree(doc, folderTree(doc, folder), recorder))
    state.SkipWithError("no folder to delete");
  recorder.commit({}, {});
  state.counters["bookmarks"] = static_cast<double>(LibraryShape{}.bookmarks - doc.bookmarkCount());
  undoRedo(state, doc);
}

// A folder with its bookmarks moved under the root.
void BM_UndoRedoMoveFolder(benchmark::State& state) {
  CLFDoc& doc = library();
  EditRecorder recorder(doc, "Move");
  recorder.keepFolders();
  if (!doc.moveFolder(leafFolder(doc), 0)) state.SkipWithError("the move was refused");
  recorder.commit({}, {});
  undoRedo(state, doc);
}

void BM_UndoRedoMoveBookmark(benchmark::State& state) {
  CLFDoc& doc = library();
  const std::uint32_t index = doc.bookmarkCount() / 3;
  EditRecorder recorder(doc, "Move");
  recorder.keepBookmark(index);
  doc.setBookmarkFolder(index, (doc.bookmark(index).folder + 1) % doc.folderCount());
  recorder.commit({}, {});
  undoRedo(state, doc);
}

// The same through the tree view, which moves the renamed bookmark's item (range(0) 0) or, for a
// deleted one (1), fills the whole tree again.
void BM_UndoRedoInView(benchmark::State& state) {
  CLFDoc& doc = library();
  static BenchLibrary viewParts;  // the view's own port and settings
  static CLFView view(doc, viewParts.ui, viewParts.settings);
  if (view.tree().root() == kNoItem) view.OnUpdate();
  const std::uint32_t index = doc.bookmarkCount() / 2;
  EditRecorder recorder(doc, state.range(0) == 0 ? "Rename" : "Delete");
  if (state.range(0) == 0) {
    recorder.keepBookmark(index);
    doc.setBookmarkName(index, "zz " + doc.bookmark(index).name);
  } else {
    recorder.removingBookmarks({index});
    doc.removeBookmark(index);
  }
  recorder.commit(LibraryItemRef::bookmark(index), LibraryItemRef::bookmark(index));
  view.OnUpdate();
  for (auto _ : state) {
    view.OnUndo();
    view.OnRedo();
  }
  view.OnUndo();
  view.OnUpdate();
}

// An import of 100,000 bookmarks into the million, sorted and with names made unique as the
// import run does; each iteration takes it back and makes it again, timed apart.
void BM_UndoImport(benchmark::State& state) {
  CLFDoc& doc = library();
  auto before = copyTables(doc);
  for (std::uint32_t i = 0; i < 100'000; ++i)
    doc.addBookmark(i % doc.folderCount(), "imported " + std::to_string(i),
                    "https://import.example/" + std::to_string(i), "", 1, 2, 3);
  doc.sortAndResolve();
  doc.setModifiedFlag();
  recordTablesStep(doc, "Import", std::move(before));
  UndoStack& stack = doc.undoStack();
  if (!stack.canUndo()) state.SkipWithError("the import recorded no step");
  for (auto _ : state) {
    stack.undo(doc);
    state.PauseTiming();
    stack.redo(doc);
    state.ResumeTiming();
  }
  state.counters["recorded"] = static_cast<double>(stack.recordedBytes());
  state.counters["bound"] = static_cast<double>(stack.memoryLimit());
  stack.undo(doc);  // the library goes back to its million for the next benchmark
}

BENCHMARK(BM_UndoRedoRename)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoDeleteBookmark)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoDeleteFolder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoMoveFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoMoveBookmark)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoInView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UndoImport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace linkfold::bench

BENCHMARK_MAIN();
