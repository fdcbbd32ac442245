// Weed Duplicates on large libraries: the search for the groups of bookmarks that share a URL
// (working list, sort, scan) on 1,000,000 bookmarks, and the removal of the bookmarks the
// dialog marked.

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <utility>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "platform/Settings.h"
#include "tools/DuplicateUrls.h"
#include "tools/WeedDuplicates.h"

namespace linkfold::bench {
namespace {

using Library = BenchLibrary;

// A generated library in which `sharedPercent` of the bookmarks take the URL of an earlier
// bookmark (the generator's URLs are all different).
std::unique_ptr<Library> makeLibrary(std::uint32_t bookmarks, std::uint32_t sharedPercent) {
  auto library = std::make_unique<Library>();
  LibraryShape shape;
  shape.bookmarks = bookmarks;
  shape.folders = bookmarks / 100;
  if (!generateLibrary(library->doc, shape)) return nullptr;
  library->doc.sortBookmarks();  // as every import run leaves the table
  CLFDoc& doc = library->doc;
  std::uint64_t x = 7;
  for (std::uint32_t i = 1; i < doc.bookmarkCount(); ++i) {
    x = x * 6364136223846793005ull + 1442695040888963407ull;
    if ((x >> 33) % 100 < sharedPercent) doc.setBookmarkUrl(i, doc.bookmark((x >> 13) % i).url);
  }
  return library;
}

// Generating a million bookmarks takes longer than the search, so the repetitions of one
// benchmark share the library.
Library* libraryFor(benchmark::State& state) {
  static std::optional<std::pair<std::int64_t, std::int64_t>> currentKey;
  static std::unique_ptr<Library> current;
  const std::pair key{state.range(0), state.range(1)};
  if (currentKey != key) {
    current.reset();
    current =
        makeLibrary(static_cast<std::uint32_t>(key.first), static_cast<std::uint32_t>(key.second));
    currentKey = key;
  }
  return current.get();
}

void BM_FindDuplicateGroups(benchmark::State& state) {
  Library* library = libraryFor(state);
  if (!library) {
    state.SkipWithError("the library could not be generated");
    return;
  }
  std::size_t groups = 0;
  for (auto _ : state) {
    DuplicateSearch search(library->doc.bookmarkCount());
    search.run(library->doc);
    groups = search.groups.size();
    benchmark::DoNotOptimize(search.groups.data());
  }
  state.counters["groups"] = static_cast<double>(groups);
}

// Every bookmark whose URL is shared but the first of its group is marked, as if the person
// had kept one bookmark per URL.
void BM_RemoveMarkedBookmarks(benchmark::State& state) {
  std::uint32_t removed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto library = makeLibrary(static_cast<std::uint32_t>(state.range(0)),
                               static_cast<std::uint32_t>(state.range(1)));
    DuplicateSearch search(library->doc.bookmarkCount());
    search.run(library->doc);
    removed = 0;
    for (const DuplicateGroup& g : search.groups)
      for (std::uint32_t e = g.first + 1; e <= g.last; ++e, ++removed)
        search.list[e].removalMark = 1;
    state.ResumeTiming();
    removeMarkedBookmarks(library->doc, search.list);
  }
  state.counters["removed"] = removed;
}

// Arguments: bookmarks, percentage of bookmarks that repeat an earlier URL.
BENCHMARK(BM_FindDuplicateGroups)
    ->ArgNames({"bookmarks", "shared"})
    ->Args({1'000'000, 10})
    ->Args({1'000'000, 50})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

BENCHMARK(BM_RemoveMarkedBookmarks)
    ->ArgNames({"bookmarks", "shared"})
    ->Args({20'000, 10})
    ->Args({100'000, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace
}  // namespace linkfold::bench

BENCHMARK_MAIN();
