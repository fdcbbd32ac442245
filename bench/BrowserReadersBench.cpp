// The Firefox and Chromium readers at scale: 100,000 and 1,000,000 bookmarks read from a
// places.sqlite and from a Bookmarks file into a library, each against a bare read of the same
// file (one SQLite query; one simdjson walk) that only copies out each name and URL. Inputs are
// generated in a temporary directory: 1,000 folders of up to three levels, names of 20 to 60
// characters, URLs of about 90, the dates.
//
// Memory: the growth of the program's resident size (peak, reset before the read) while one
// read runs, reported per byte of the file.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <simdjson.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "QuietUi.h"
#include "ScratchFolder.h"
#include "WholeRuns.h"
#include "browserfiles/ChromiumBookmarksJson.h"
#include "browserfiles/PlacesDatabase.h"
#include "browsers/chromium/ChromiumBookmarksReader.h"
#include "browsers/firefox/FirefoxPlacesReader.h"

namespace linkfold::bench {
namespace {

// The shape both files share: calls `folder(name, depth)` to open a folder nested `depth` deep
// (closing deeper ones first through `close(depth)`) and `mark(name, url, dateSeconds)`.
struct Shape {
  std::function<void(const std::string&, std::uint32_t)> folder;
  std::function<void(std::uint32_t)> close;
  std::function<void(const std::string&, const std::string&, std::uint64_t)> mark;
};

void generate(std::uint32_t bookmarks, const Shape& shape) {
  std::uint64_t seed = 12345;
  const auto random = [&seed](std::uint32_t below) {
    seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>((seed >> 33) % below);
  };
  const std::uint32_t folders = 1000, perFolder = bookmarks / folders;
  for (std::uint32_t f = 0; f < folders; ++f) {
    const std::uint32_t depth = 1 + f % 3;
    for (std::uint32_t d = 0; d < depth; ++d)
      shape.folder("Folder " + std::to_string(f) + "." + std::to_string(d), d);
    const std::uint32_t count = f + 1 == folders ? bookmarks - perFolder * f : perFolder;
    for (std::uint32_t b = 0; b < count; ++b) {
      std::string name(1, static_cast<char>('A' + random(26)));
      for (std::uint32_t n = 19 + random(41); name.size() < n;)
        name += name.size() % 7 == 0 ? ' ' : static_cast<char>('a' + random(26));
      name += std::to_string(random(1000));
      shape.mark(name,
                 "https://www.example-" + std::to_string(random(100000)) + ".com/articles/" +
                     std::to_string(random(1u << 30)) +
                     "/a-fairly-long-path-to-the-page.html?ref=bookmarks",
                 900000000 + random(1u << 28));
    }
    shape.close(0);
  }
}

std::string placesFile(std::uint32_t bookmarks) {
  const std::string path = scratch() + "/places-" + std::to_string(bookmarks) + ".sqlite";
  if (std::filesystem::exists(path)) return path;
  browserfiles::PlacesDatabase places(path);
  places.exec("PRAGMA synchronous = OFF; BEGIN");
  std::vector<std::int64_t> open{browserfiles::PlacesDatabase::kToolbar};
  generate(bookmarks, {[&](const std::string& name, std::uint32_t depth) {
                         open.resize(depth + 1);
                         open.push_back(places.folder(open.back(), name, 1000000));
                       },
                       [&](std::uint32_t depth) { open.resize(depth + 1); },
                       [&](const std::string& name, const std::string& url, std::uint64_t date) {
                         const auto micro = static_cast<std::int64_t>(date) * 1000000;
                         places.bookmark(open.back(), name, url, micro, micro, micro);
                       }});
  places.exec("COMMIT; PRAGMA wal_checkpoint(TRUNCATE)");
  return path;
}

std::string bookmarksFile(std::uint32_t bookmarks) {
  const std::string path = scratch() + "/Bookmarks-" + std::to_string(bookmarks);
  if (std::filesystem::exists(path)) return path;
  std::ofstream out(path, std::ios::binary);
  browserfiles::ChromiumBookmarksJson json(out);
  json.beginRoot("bookmark_bar", "Bookmarks bar");
  std::uint32_t depthOpen = 0;
  generate(bookmarks, {[&](const std::string& name, std::uint32_t depth) {
                         for (; depthOpen > depth; --depthOpen) json.endFolder();
                         json.beginFolder(name, browserfiles::chromiumTime(1000));
                         ++depthOpen;
                       },
                       [&](std::uint32_t depth) {
                         for (; depthOpen > depth; --depthOpen) json.endFolder();
                       },
                       [&](const std::string& name, const std::string& url, std::uint64_t date) {
                         json.url(name, url, browserfiles::chromiumTime(date),
                                  browserfiles::chromiumTime(date));
                       }});
  json.finishAfterBar();
  return path;
}

using Reader = bool (*)(CLFDoc&, const std::string&, const std::string&);

// Reads the file into a library holding its root; false when the reader failed or lost any.
bool readInto(Reader reader, const std::string& file, std::uint32_t bookmarks) {
  BenchLibrary library;
  return library.doc.addFolder("\\", true) && reader(library.doc, file, "Bench") &&
         library.doc.bookmarkCount() == bookmarks && library.ui.messages == 0;
}

std::int64_t statusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::strlen(field)));
  return -1;
}

// The growth of the resident size while one read runs, per byte of the file.
double residentGrowthRatio(Reader reader, const std::string& file, std::uint32_t bookmarks) {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";  // resets the peak to the present size
  const std::int64_t before = statusKilobytes("VmRSS:");
  if (!readInto(reader, file, bookmarks)) return -1;
  const std::int64_t peak = statusKilobytes("VmHWM:");
  return static_cast<double>(peak - before) * 1024 /
         static_cast<double>(std::filesystem::file_size(file));
}

void readerBenchmark(benchmark::State& state, Reader reader, const std::string& file) {
  const auto bookmarks = static_cast<std::uint32_t>(state.range(0));
  for (auto _ : state)
    if (!readInto(reader, file, bookmarks)) state.SkipWithError("the read failed or lost items");
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
  state.counters["rss_growth_per_file_byte"] = residentGrowthRatio(reader, file, bookmarks);
}

void BM_FirefoxRead(benchmark::State& state) {
  readerBenchmark(state, Read_Firefox_Places,
                  placesFile(static_cast<std::uint32_t>(state.range(0))));
}
BENCHMARK(BM_FirefoxRead)->Arg(100'000)->Arg(1'000'000)->Apply(wholeRuns);

// The yardstick: one query over both tables, each name and URL copied out.
void BM_FirefoxBareQuery(benchmark::State& state) {
  const std::string file = placesFile(static_cast<std::uint32_t>(state.range(0)));
  std::size_t found = 0;
  for (auto _ : state) {
    std::vector<std::pair<std::string, std::string>> marks;
    sqlite3* db = nullptr;
    sqlite3_stmt* query = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_prepare_v2(db,
                       "SELECT b.title, p.url, b.dateAdded FROM moz_bookmarks b JOIN moz_places p "
                       "ON p.id = b.fk WHERE b.type = 1",
                       -1, &query, nullptr);
    while (sqlite3_step(query) == SQLITE_ROW)
      marks.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query, 0)),
                         reinterpret_cast<const char*>(sqlite3_column_text(query, 1)));
    sqlite3_finalize(query);
    sqlite3_close(db);
    found = marks.size();
    benchmark::DoNotOptimize(marks.data());
  }
  if (found != static_cast<std::size_t>(state.range(0))) state.SkipWithError("bookmarks missed");
}
BENCHMARK(BM_FirefoxBareQuery)->Arg(100'000)->Apply(wholeRuns);

void BM_ChromiumRead(benchmark::State& state) {
  readerBenchmark(state, Read_Chromium_Bookmarks,
                  bookmarksFile(static_cast<std::uint32_t>(state.range(0))));
}
BENCHMARK(BM_ChromiumRead)->Arg(100'000)->Arg(1'000'000)->Apply(wholeRuns);

// The yardstick: the file parsed, its tree walked, each name and URL copied out.
void BM_ChromiumBareWalk(benchmark::State& state) {
  const std::string file = bookmarksFile(static_cast<std::uint32_t>(state.range(0)));
  std::size_t found = 0;
  for (auto _ : state) {
    std::vector<std::pair<std::string, std::string>> marks;
    simdjson::dom::parser parser;
    simdjson::dom::element root;
    if (parser.load(file).get(root) != simdjson::SUCCESS) state.SkipWithError("not parsed");
    std::vector<simdjson::dom::element> pending;
    const simdjson::dom::object roots = root["roots"].get_object().value_unsafe();
    for (const auto field : roots) pending.push_back(field.value);
    while (!pending.empty()) {
      const simdjson::dom::element node = pending.back();
      pending.pop_back();
      if (std::string_view(node["type"].get_string().value_unsafe()) == "url")
        marks.emplace_back(node["name"].get_string().value_unsafe(),
                           node["url"].get_string().value_unsafe());
      else {
        const simdjson::dom::array children = node["children"].get_array().value_unsafe();
        for (const auto child : children) pending.push_back(child);
      }
    }
    found = marks.size();
    benchmark::DoNotOptimize(marks.data());
  }
  if (found != static_cast<std::size_t>(state.range(0))) state.SkipWithError("bookmarks missed");
}
BENCHMARK(BM_ChromiumBareWalk)->Arg(100'000)->Apply(wholeRuns);

}  // namespace
}  // namespace linkfold::bench

BENCHMARK_MAIN();
