#pragma once
// Builds large libraries for the benchmarks, the way the readers do: folder by folder through
// add-folder and add-bookmark. The same shape and seed always give the same library.

#include <cstdint>

#include "library/CLFDoc.h"

namespace linkfold::bench {

struct LibraryShape {
  std::uint32_t bookmarks = 1'000'000;
  std::uint32_t folders = 10'000;  // the root included
  std::uint32_t maxDepth = 4;
  std::uint32_t minNameLength = 10;  // bookmark names
  std::uint32_t maxNameLength = 60;
  std::uint32_t duplicatePercent = 5;  // names repeated within a folder, in another case
  std::uint64_t seed = 1;
};

// Adds the root and the shape's folders and bookmarks to `doc`; false when an add failed.
bool generateLibrary(CLFDoc& doc, const LibraryShape& shape);

}  // namespace linkfold::bench
