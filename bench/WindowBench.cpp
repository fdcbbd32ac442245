// The library tree window's speed, offscreen: opening a library until the window is ready for
// input (the file loaded, the tree filled, the widget shown and painted once), Expand All, and
// a rename, a delete and a drop with every folder of the library expanded, each until painted,
// and a keystroke in the filter box.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "tree/LibraryTreeWidget.h"
#include "view/CLFView.h"
#include "view/EditDialogs.h"

namespace linkfold::bench {
namespace {

// Accepts every question and gives each rename a new name.
class AgreeingUi : public QuietUi {
 public:
  Answer showMessage(const Message& message) override {
    ++messages;
    return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
  }
  bool runDialog(DialogModel& dialog) override {
    auto* rename = dynamic_cast<CRenameDlg*>(&dialog);
    if (!rename) return false;
    rename->name.back() = rename->name.back() == '~' ? 'x' : '~';
    return rename->acceptOk(*this);
  }
};

// Where this run keeps the libraries it generated; removed when the run ends.
std::filesystem::path libraryDirectory;

// A generated library, saved once per size and run.
std::filesystem::path libraryFile(std::uint32_t bookmarks) {
  const auto path = libraryDirectory / ("library-" + std::to_string(bookmarks) + ".bml");
  if (std::filesystem::exists(path)) return path;
  BenchLibrary library;
  LibraryShape shape;
  shape.bookmarks = bookmarks;
  shape.folders = std::max<std::uint32_t>(bookmarks / 100, 2);
  shape.maxNameLength = 40;  // room for the renames within the name limit
  if (!generateLibrary(library.doc, shape)) return {};
  library.doc.sortAndResolve();
  std::ofstream out(path, std::ios::binary);
  library.doc.Serialize(out);
  return path;
}

// The library window: a document, its view and the tree widget on screen.
struct Window {
  AgreeingUi ui;
  InMemorySettings settings;
  CLFDoc doc{ui, settings, std::string()};
  CLFView view{doc, ui, settings};
  gui::LibraryTreeWidget widget{view};

  bool open(const std::filesystem::path& file) {
    doc.setExclusiveOpen(true);  // the library alone, no browsers
    if (!doc.OnOpenDocument(file.string())) return false;
    view.OnUpdate();
    widget.resize(600, 800);
    widget.show();
    paint();
    return true;
  }
  // Opens the library of `bookmarks` bookmarks, or marks the benchmark skipped.
  bool openOrSkip(benchmark::State& state, std::int64_t bookmarks) {
    if (open(libraryFile(static_cast<std::uint32_t>(bookmarks)))) return true;
    state.SkipWithError("the library did not open");
    return false;
  }
  // Until the change is on screen and nothing is left waiting.
  void paint() {
    QApplication::processEvents();
    widget.viewport()->repaint();
  }
};

double seconds(const QElapsedTimer& timer) {
  return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BM_OpenLibrary(benchmark::State& state) {
  const auto file = libraryFile(static_cast<std::uint32_t>(state.range(0)));
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<Window>();
    if (!window->open(file)) state.SkipWithError("the library did not open");
    state.SetIterationTime(seconds(timer));
    window.reset();  // outside the measured time
  }
}
BENCHMARK(BM_OpenLibrary)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_ExpandAll(benchmark::State& state) {
  Window window;
  if (!window.openOrSkip(state, state.range(0))) return;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    window.view.OnExpandAll();
    window.paint();
    state.SetIterationTime(seconds(timer));
    window.view.OnCollapseAll();
    window.paint();
  }
}
BENCHMARK(BM_ExpandAll)
    ->Arg(100'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

enum class Edit { Rename, Delete, Drop };

// One edit per iteration on the bookmark shown in the middle of the fully expanded tree.
void BM_Edit(benchmark::State& state) {
  Window window;
  if (!window.openOrSkip(state, 100'000)) return;
  window.view.OnExpandAll();
  window.paint();
  window.view.options().confirmBookmarkDelete = false;
  CSortedTreeCtrl& tree = window.view.tree();
  const auto edit = static_cast<Edit>(state.range(0));
  // Two folders that hold bookmarks, for the drops to go back and forth between.
  std::vector<TreeItem> folders;
  for (TreeItem top : tree.children(tree.root()))
    if (window.view.IsBookmarkItem(tree.children(top).empty() ? kNoItem
                                                              : tree.children(top).back()))
      folders.push_back(top);
  if (folders.size() < 2) {
    state.SkipWithError("the library has no two folders of bookmarks");
    return;
  }
  for (auto _ : state) {
    TreeItem target = folders[state.iterations() % 2];
    TreeItem bookmark = tree.children(folders[(state.iterations() + 1) % 2]).back();
    tree.select(bookmark);
    QElapsedTimer timer;
    timer.start();
    switch (edit) {
      case Edit::Rename:
        window.view.OnRename();
        break;
      case Edit::Delete:
        window.view.OnDelete();
        break;
      case Edit::Drop:
        window.view.OnBeginDrag(bookmark);
        window.view.OnDrop({target, kHitOnLabel});
        break;
    }
    window.paint();
    state.SetIterationTime(seconds(timer));
  }
  if (window.ui.messages != 0) state.SkipWithError("the edit showed a message");
}
BENCHMARK(BM_Edit)
    ->ArgName("rename0_delete1_drop2")
    ->DenseRange(0, 2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

double milliseconds(const QElapsedTimer& timer) {
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// One keystroke in the filter box, the way the box handles it: the view makes the search's job
// and shows its result on the window's thread, and the search runs on a worker in between. The
// text grows from the previous step's by one letter (step 0: the first letter typed into the
// empty box); "w" matches every bookmark (every URL starts with "http://www."): the worst case.
// The last step clears the box again, back to the whole tree. The time runs from the keystroke
// until the tree is painted; "blocked_ms" is the part of it the window's thread was busy (and
// typing would wait), and both counters are medians.
void BM_FilterKeystroke(benchmark::State& state) {
  static constexpr const char* kTyped[] = {"w", "k", "ke", "kel", "kelp", ""};
  Window window;
  if (!window.openOrSkip(state, state.range(0))) return;
  CLFView& view = window.view;
  const auto step = static_cast<std::size_t>(state.range(1));
  std::vector<double> latencies, blocked;
  for (auto _ : state) {
    view.clearFilter();
    view.prepareFilter();  // as the filter box does when it takes the keyboard
    if (step > 0) view.setFilter(kTyped[step - 1]);
    window.paint();
    QElapsedTimer latency, busy;
    latency.start();
    busy.start();
    double busyMs = 0;
    if (*kTyped[step] == '\0') {
      view.clearFilter();
    } else {
      const BookmarkFilter::Job job = view.startFilter(kTyped[step]);
      busyMs += milliseconds(busy);
      std::optional<FilterMatches> result;
      std::thread([&] { result = job.run(); }).join();
      busy.restart();
      if (view.applyFilter(job, std::move(result)) != BookmarkFilter::Outcome::Taken)
        state.SkipWithError("the search's result was not taken");
    }
    window.paint();
    busyMs += milliseconds(busy);
    state.SetIterationTime(seconds(latency));
    latencies.push_back(milliseconds(latency));
    blocked.push_back(busyMs);
  }
  state.counters["latency_ms"] = median(latencies);
  state.counters["blocked_ms"] = median(blocked);
  state.counters["matching"] = static_cast<double>(view.filterMatchCount());
}
BENCHMARK(BM_FilterKeystroke)
    ->ArgNames({"bookmarks", "step"})
    ->ArgsProduct({{100'000, 1'000'000}, {0, 1, 2, 3, 4, 5}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Folding the library's texts again after a change: the filter box does it on the window's
// thread when it takes the keyboard (or at the next keystroke after an edit made while
// filtering).
void BM_FoldTexts(benchmark::State& state) {
  Window window;
  if (!window.openOrSkip(state, state.range(0))) return;
  for (auto _ : state) {
    window.doc.setBookmarkName(0, window.doc.bookmark(0).name);  // a change, as an edit makes
    QElapsedTimer timer;
    timer.start();
    window.view.prepareFilter();
    state.SetIterationTime(seconds(timer));
  }
}
BENCHMARK(BM_FoldTexts)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace linkfold::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QTemporaryDir directory;
  if (!directory.isValid()) return 1;
  linkfold::bench::libraryDirectory = directory.path().toStdString();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
