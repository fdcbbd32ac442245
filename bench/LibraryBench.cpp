// The library at full size: building it through add-folder and add-bookmark, sorting it and
// resolving its duplicate names, saving it and loading it again. Each runs at 1,000,000
// bookmarks in 10,000 folders and at a tenth of both, for the scaling check.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "platform/Settings.h"

namespace linkfold::bench {
namespace {

// A directory for the log and the library files of this run, removed at exit.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "linkfold-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

const ScratchDir& scratch() {
  static const ScratchDir dir;
  return dir;
}

struct Library {
  QuietUi ui;
  InMemorySettings settings;
  CLFDoc doc{ui, settings, scratch().file("IMPLOG.TXT")};
};

LibraryShape shapeFor(const benchmark::State& state) {
  LibraryShape shape;
  shape.bookmarks = static_cast<std::uint32_t>(state.range(0));
  shape.folders = static_cast<std::uint32_t>(state.range(1));
  return shape;
}

// The import run's part of the work: the log is open while names are resolved.
void sortAndResolveWithLog(benchmark::State& state, CLFDoc& doc) {
  if (!doc.createLog()) state.SkipWithError("the log cannot be created");
  doc.sortAndResolve();
  doc.closeLog();
}

void fill(benchmark::State& state, Library& library) {
  if (!generateLibrary(library.doc, shapeFor(state))) state.SkipWithError("an add failed");
}

// Destroying a library is not part of any measured step.
void discard(benchmark::State& state, std::optional<Library>& library) {
  state.PauseTiming();
  library.reset();
  state.ResumeTiming();
}

void BM_BuildSortResolve(benchmark::State& state) {
  for (auto _ : state) {
    std::optional<Library> library(std::in_place);
    fill(state, *library);
    sortAndResolveWithLog(state, library->doc);
    benchmark::DoNotOptimize(library->doc.bookmarkCount());
    discard(state, library);
  }
}

void BM_Build(benchmark::State& state) {
  for (auto _ : state) {
    std::optional<Library> library(std::in_place);
    fill(state, *library);
    discard(state, library);
  }
}

void BM_SortResolve(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<Library> library(std::in_place);
    fill(state, *library);
    state.ResumeTiming();
    sortAndResolveWithLog(state, library->doc);
    discard(state, library);
  }
}

std::string libraryFile(const benchmark::State& state) {
  return scratch().file("library-" + std::to_string(state.range(0)) + ".bml");
}

bool save(const CLFDoc& doc, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  doc.Serialize(out);
  out.close();
  return !out.fail();
}

void BM_Save(benchmark::State& state) {
  Library library;
  fill(state, library);
  sortAndResolveWithLog(state, library.doc);
  for (auto _ : state)
    if (!save(library.doc, libraryFile(state))) state.SkipWithError("the file cannot be written");
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(libraryFile(state)));
}

void BM_Load(benchmark::State& state) {
  {
    Library source;  // gone before the loads start, so it does not count towards their memory
    fill(state, source);
    sortAndResolveWithLog(state, source.doc);
    if (!save(source.doc, libraryFile(state))) state.SkipWithError("the file cannot be written");
  }
  for (auto _ : state) {
    std::optional<Library> library(std::in_place);
    library->doc.setExclusiveOpen(true);
    if (!library->doc.OnOpenDocument(libraryFile(state)) ||
        library->doc.bookmarkCount() != state.range(0) || library->ui.messages != 0)
      state.SkipWithError("the library did not load whole");
    discard(state, library);
  }
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Args({100'000, 1'000})->Args({1'000'000, 10'000});
  b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
  b->ReportAggregatesOnly(true)->UseRealTime();
}

BENCHMARK(BM_BuildSortResolve)->Apply(sizes);
BENCHMARK(BM_Build)->Apply(sizes);
BENCHMARK(BM_SortResolve)->Apply(sizes);
BENCHMARK(BM_Save)->Apply(sizes);
BENCHMARK(BM_Load)->Apply(sizes);

}  // namespace
}  // namespace linkfold::bench

BENCHMARK_MAIN();
