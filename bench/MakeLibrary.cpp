// bench_make_library OUT.bml [BOOKMARKS]: writes the benchmarks' generated library (by default
// 1,000,000 bookmarks in 10,000 folders), with names of at most 50 characters, sorted and its
// duplicate names resolved as an import run leaves it, for the command-line benchmarks here.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "LibraryGenerator.h"
#include "QuietUi.h"
#include "library/NameRules.h"
#include "platform/Files.h"

int main(int argc, char** argv) {
  using namespace linkfold;
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_make_library OUT.bml [BOOKMARKS]\n");
    return 2;
  }
  const std::string path = argv[1], log = path + ".log";
  bench::LibraryShape shape;
  shape.maxNameLength = kMaxNameLength;
  if (argc > 2) shape.bookmarks = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10));
  bench::QuietUi ui;
  InMemorySettings settings;
  CLFDoc doc(ui, settings, log);
  if (!bench::generateLibrary(doc, shape) || !doc.createLog()) return 1;
  doc.sortAndResolve();
  doc.closeLog();
  std::remove(log.c_str());
  return writeFileSafely(path, [&](std::ostream& out) { doc.Serialize(out); }) ? 0 : 1;
}
