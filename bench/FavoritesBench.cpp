// The Favorites folder: reading a tree of 100,000 shortcut files (1,000 folders of 100) against a
// bare loop that only lists the same tree and reads every file, and exporting 10,000 bookmarks
// (in 200 folders) into a Favorites folder that already holds them, as a repeated export does,
// against making and deleting as many files.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "browsers/favorites/FavoritesReader.h"
#include "browsers/favorites/FavoritesWriter.h"

namespace linkfold::bench {
namespace {

constexpr int kFolders = 1'000;
constexpr int kShortcutsPerFolder = 100;

// A temporary directory, removed with everything in it at the end of the run.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "favorites-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern + "/";
  }
  ~ScratchDirectory() {
    if (!path_.empty()) std::filesystem::remove_all(path_);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The tree to read, written once for all repetitions.
const std::string& shortcutTree() {
  static ScratchDirectory scratch;
  static const bool written = [] {
    for (int f = 0; f < kFolders; ++f) {
      const std::string folder =
          scratch.path() + "Group " + std::to_string(f % 10) + "/Folder " + std::to_string(f) + "/";
      std::filesystem::create_directories(folder);
      for (int s = 0; s < kShortcutsPerFolder; ++s) {
        std::ofstream(folder + "Bookmark number " + std::to_string(s) + ".url", std::ios::binary)
            << "[InternetShortcut]\r\nURL=http://www.example.com/folder" << f << "/page" << s
            << ".html\r\nIDList=\r\n";
      }
    }
    return true;
  }();
  (void)written;
  return scratch.path();
}

// The export needs a status window.
class StatusUi : public QuietUi {
 public:
  std::unique_ptr<StatusWindow> createStatusWindow() override {
    return std::make_unique<SilentStatusWindow>();
  }
};

struct FavoritesLibrary {
  explicit FavoritesLibrary(const std::string& favorites)
      : doc(ui, settings, std::string(), detection(favorites)) {}
  static BrowserDetection detection(const std::string& favorites) {
    BrowserDetection browsers;
    browsers.msiePresent = true;
    browsers.favoritesPath = favorites;
    return browsers;
  }
  StatusUi ui;
  InMemorySettings settings;
  CLFDoc doc;
};

void BM_ScanFavorites(benchmark::State& state) {
  const std::string& tree = shortcutTree();
  std::size_t read = 0;
  for (auto _ : state) {
    FavoritesLibrary library(tree);
    library.doc.addFolder("\\", true);
    if (!Scan_Folder(library.doc)) state.SkipWithError("the Favorites reader failed");
    read = library.doc.bookmarkCount();
  }
  if (read != kFolders * kShortcutsPerFolder) state.SkipWithError("bookmarks were lost");
  state.counters["bookmarks"] = static_cast<double>(read);
}

// The floor: list the tree and read every file, nothing else.
void BM_ListAndReadTree(benchmark::State& state) {
  const std::string& tree = shortcutTree();
  std::size_t files = 0;
  for (auto _ : state) {
    files = 0;
    std::size_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string contents((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
      bytes += contents.size();
      ++files;
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["files"] = static_cast<double>(files);
}

void BM_ExportFavorites(benchmark::State& state) {
  ScratchDirectory favorites;
  FavoritesLibrary library(favorites.path());
  LibraryShape shape;
  shape.bookmarks = 10'000;
  shape.folders = 200;
  if (favorites.path().empty() || !generateLibrary(library.doc, shape)) {
    state.SkipWithError("the library could not be made");
    return;
  }
  library.doc.sortAndResolve();  // names unique within their folders, as after an import
  for (auto _ : state) {
    if (!Do_MSIE_Export(library.doc, {})) state.SkipWithError("the export failed");
  }
  if (library.ui.messages != 0) state.SkipWithError("the export showed messages");
}

// The floor of the export: make the same 200 directories and 10,000 small files, then delete
// them, as the export's clean-up does before it writes.
void BM_CreateAndDeleteFiles(benchmark::State& state) {
  ScratchDirectory scratch;
  for (auto _ : state) {
    for (int f = 0; f < 200; ++f) {
      const std::string folder = scratch.path() + std::to_string(f) + "/";
      std::filesystem::create_directory(folder);
      for (int b = 0; b < 50; ++b) {
        std::ofstream(folder + std::to_string(b) + ".url", std::ios::binary)
            << "[InternetShortcut]\r\nURL=http://www.example.com/\r\n";
      }
    }
    for (int f = 0; f < 200; ++f) std::filesystem::remove_all(scratch.path() + std::to_string(f));
  }
}

BENCHMARK(BM_ScanFavorites)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListAndReadTree)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportFavorites)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CreateAndDeleteFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace linkfold::bench

BENCHMARK_MAIN();
