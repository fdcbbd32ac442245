// Filling the tree view from a large library (the rebuild after New, Open and imports):
// 1,000,000 bookmarks in 10,000 folders, and 100,000 bookmarks in the root folder alone, each
// with the bookmark table sorted by name (as every import run leaves it) and in the random
// order in which the bookmarks were added.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <optional>
#include <tuple>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "platform/Settings.h"
#include "view/CLFView.h"

namespace linkfold::bench {
namespace {

using Library = BenchLibrary;

// Generating a million bookmarks takes longer than filling the tree from them, so every
// repetition of a benchmark reuses the library it generated first. One library at a time keeps
// the peak memory that of the current one.
Library* libraryFor(benchmark::State& state) {
  using Key = std::tuple<std::int64_t, std::int64_t, std::int64_t>;
  static std::optional<Key> currentKey;
  static std::unique_ptr<Library> current;
  const Key key{state.range(0), state.range(1), state.range(2)};
  if (currentKey != key) {
    current.reset();
    currentKey.reset();
    auto fresh = std::make_unique<Library>();
    LibraryShape shape;
    shape.bookmarks = static_cast<std::uint32_t>(state.range(0));
    shape.folders = static_cast<std::uint32_t>(state.range(1));
    if (!generateLibrary(fresh->doc, shape)) return nullptr;
    if (state.range(2) != 0) fresh->doc.sortBookmarks();
    current = std::move(fresh);
    currentKey = key;
  }
  return current.get();
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes here
}

void BM_FillTree(benchmark::State& state) {
  Library* library = libraryFor(state);
  if (!library) {
    state.SkipWithError("the library could not be generated");
    return;
  }
  std::optional<CLFView> view(std::in_place, library->doc, library->ui, library->settings);
  for (auto _ : state) view->OnUpdate();
  const std::size_t expected = library->doc.folderCount() + library->doc.bookmarkCount();
  if (view->tree().itemCount() != expected || library->ui.messages != 0)
    state.SkipWithError("the tree does not hold every item");
  state.counters["items"] = static_cast<double>(view->tree().itemCount());
  state.counters["peak_MB"] = peakMegabytes();
}

// Arguments: bookmarks, folders (the root included), bookmark table sorted by name.
void shapes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"bookmarks", "folders", "sorted"});
  for (std::int64_t sorted : {1, 0}) {
    b->Args({1'000'000, 10'000, sorted});
    b->Args({100'000, 1, sorted});
  }
  b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
  b->ReportAggregatesOnly(true)->UseRealTime();
}

BENCHMARK(BM_FillTree)->Apply(shapes);

}  // namespace
}  // namespace linkfold::bench

BENCHMARK_MAIN();
