// The Netscape reader and writer at scale. Import HTML of a 100,000-bookmark file (about 25 MB:
// read, merge, sort and resolve, log, save) against a bare scan that only splits the same file
// into lines and copies out each URL and name; the same import of 1,000,000 bookmarks; and the
// export of a 1,000,000-bookmark library. Inputs are generated in a temporary directory.
//
// Heap use is counted by this program's own operator new, only while an import runs for the
// count (its timing is taken without counting): the peak is reported beside the file's size.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "ScratchFolder.h"
#include "WholeRuns.h"
#include "browsers/netscape/NetscapeReader.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "platform/Files.h"
#include "view/CLFView.h"

namespace {

// Bytes taken since counting began; blocks taken before and released while counting make it
// fall, as the heap in use does.
std::atomic<bool> counting{false};
std::atomic<std::int64_t> heapNow{0}, heapPeak{0};

void* countedAllocation(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  if (!counting) return p;
  const std::int64_t now = heapNow += static_cast<std::int64_t>(malloc_usable_size(p));
  for (std::int64_t peak = heapPeak; now > peak && !heapPeak.compare_exchange_weak(peak, now);) {
  }
  return p;
}

void countedRelease(void* p) {
  if (!p) return;
  if (counting) heapNow -= static_cast<std::int64_t>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(std::size_t size) { return countedAllocation(size); }
void* operator new[](std::size_t size) { return countedAllocation(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return countedAllocation(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { countedRelease(p); }
void operator delete[](void* p) noexcept { countedRelease(p); }
void operator delete(void* p, std::size_t) noexcept { countedRelease(p); }
void operator delete[](void* p, std::size_t) noexcept { countedRelease(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { countedRelease(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { countedRelease(p); }

namespace linkfold::bench {
namespace {

// A Netscape file of the written form with `bookmarks` bookmarks in 1,000 folders of up to
// three levels, names of 20 to 63 characters, URLs of about 90, the three dates and, for every
// fourth bookmark, a description: about 250 bytes a bookmark, as browsers write them.
std::string netscapeFile(std::uint32_t bookmarks) {
  const std::string path = scratch() + "/bookmarks-" + std::to_string(bookmarks) + ".htm";
  if (std::filesystem::exists(path)) return path;
  std::ofstream out(path, std::ios::binary);
  out << "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\r\n<TITLE>Bench</TITLE>\r\r\n<H1>Bench</H1>\r\r\n"
         "<DL><p>\r\r\n";
  std::uint64_t seed = 12345;
  const auto random = [&seed](std::uint32_t below) {
    seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>((seed >> 33) % below);
  };
  const std::uint32_t folders = 1000, perFolder = bookmarks / folders;
  std::string line;
  for (std::uint32_t f = 0; f < folders; ++f) {
    const std::uint32_t depth = 1 + f % 3;
    for (std::uint32_t d = 0; d < depth; ++d)
      out << std::string(4 * (d + 1), ' ') << "<DT><H3 FOLDED ADD_DATE=\"0\">Folder " << f << '.'
          << d << "</H3>\r\r\n" << std::string(4 * (d + 1), ' ') << "<DL><p>\r\r\n";
    const std::uint32_t count = f + 1 == folders ? bookmarks - perFolder * f : perFolder;
    for (std::uint32_t b = 0; b < count; ++b) {
      // Titles start with words of their own: a capital, then lower-case letters and digits.
      std::string name(1, static_cast<char>('A' + random(26)));
      for (std::uint32_t n = 19 + random(41); name.size() < n;)
        name += name.size() % 7 == 0 ? ' ' : static_cast<char>('a' + random(26));
      name += std::to_string(random(1000));
      line = "        <DT><A HREF=\"https://www.example-" + std::to_string(random(100000)) +
             ".com/articles/" + std::to_string(random(1u << 30)) +
             "/a-fairly-long-path-to-the-page.html?ref=bookmarks\" ADD_DATE=\"" +
             std::to_string(900000000 + random(1u << 28)) + "\" LAST_MODIFIED=\"0\" LAST_VISIT=\"" +
             std::to_string(900000000 + random(1u << 28)) + "\">" + name + "</A>\r\r\n";
      if (b % 4 == 0) line += "<DD>A description of the page, kept with the bookmark.\r\n";
      out << line;
    }
    for (std::uint32_t d = depth; d-- > 0;)
      out << std::string(4 * (d + 1), ' ') << "</DL><p>\r\r\n";
  }
  out << "</DL><p>\r\r\n";
  return path;
}

// Import HTML: a library holding its root, the file read into it, sorted and resolved, the log
// closed and the library saved.
struct Import {
  QuietUi ui;
  InMemorySettings settings;
  CLFDoc doc{ui, settings, scratch() + "/IMPLOG.TXT"};

  bool run(const std::string& file) {
    if (!doc.addFolder("\\", true) || !doc.createLog()) return false;
    const int result = Parse_NS_File(doc, file);
    doc.sortAndResolve();
    doc.closeLog();
    return result == kNetscapeReadOk &&
           writeFileSafely(scratch() + "/library.bml", [&](std::ostream& out) { doc.Serialize(out); });
  }
};

// The import's peak heap use, in bytes per byte of the file.
double importPeakRatio(const std::string& file) {
  auto import = std::make_unique<Import>();
  heapNow = heapPeak = 0;
  counting = true;
  const bool read = import->run(file);
  counting = false;
  return read ? static_cast<double>(heapPeak) / static_cast<double>(std::filesystem::file_size(file))
              : -1;
}

// Import HTML of a large file, each run timed whole.
void BM_ImportHtml(benchmark::State& state) {
  const std::string file = netscapeFile(static_cast<std::uint32_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto import = std::make_unique<Import>();
    state.ResumeTiming();
    if (!import->run(file)) state.SkipWithError("the import failed");
    state.PauseTiming();
    if (import->doc.bookmarkCount() != state.range(0) || import->ui.messages != 0)
      state.SkipWithError("the import lost bookmarks");
    import.reset();
    state.ResumeTiming();
  }
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
  state.counters["peak_heap_per_file_byte"] = importPeakRatio(file);
}
BENCHMARK(BM_ImportHtml)->Arg(100'000)->Arg(1'000'000)->Apply(wholeRuns);

// The yardstick: the file read whole, split into lines, each URL and name copied out.
void BM_BareScan(benchmark::State& state) {
  const std::string file = netscapeFile(static_cast<std::uint32_t>(state.range(0)));
  std::size_t found = 0;
  for (auto _ : state) {
    std::vector<std::pair<std::string, std::string>> marks;
    const auto bytes = readWholeFile(file);
    if (!bytes) state.SkipWithError("the file could not be read");
    std::string_view rest = bytes ? std::string_view(*bytes) : std::string_view();
    while (!rest.empty()) {
      const std::size_t end = std::min(rest.find('\n'), rest.size());
      const std::string_view line = rest.substr(0, end);
      rest.remove_prefix(std::min(end + 1, rest.size()));
      const std::size_t href = line.find("HREF=\"");
      if (href == std::string_view::npos) continue;
      const std::size_t quote = line.find('"', href + 6);
      const std::size_t open = line.find('>', quote);
      const std::size_t close = line.find("</A>", open);
      if (close == std::string_view::npos) continue;
      marks.emplace_back(line.substr(href + 6, quote - href - 6),
                         line.substr(open + 1, close - open - 1));
    }
    found = marks.size();
    benchmark::DoNotOptimize(marks.data());
  }
  if (found != static_cast<std::size_t>(state.range(0))) state.SkipWithError("bookmarks missed");
}
BENCHMARK(BM_BareScan)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

void BM_NetscapeExport(benchmark::State& state) {
  Import library;
  LibraryShape shape;
  shape.bookmarks = static_cast<std::uint32_t>(state.range(0));
  if (!generateLibrary(library.doc, shape)) {
    state.SkipWithError("the library could not be generated");
    return;
  }
  CLFView view(library.doc, library.ui, library.settings);
  view.OnUpdate();
  const std::string target = scratch() + "/export.htm";
  for (auto _ : state)
    if (!Do_NS_Export(view, target, false, "Bench")) state.SkipWithError("the export failed");
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(target)) / 1e6;
}
BENCHMARK(BM_NetscapeExport)->Arg(1'000'000)->Apply(wholeRuns);

}  // namespace
}  // namespace linkfold::bench

BENCHMARK_MAIN();
