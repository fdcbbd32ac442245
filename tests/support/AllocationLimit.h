#pragma once
// Lets a test make large allocations fail with std::bad_alloc, the way a machine that has run
// out of memory would, so the lack-of-memory paths can be driven deterministically.

#include <cstddef>

namespace linkfold::test {

// While alive, every operator new asking for more than `maxBytes` throws std::bad_alloc.
class ScopedAllocationLimit {
 public:
  explicit ScopedAllocationLimit(std::size_t maxBytes);
  ~ScopedAllocationLimit();
  ScopedAllocationLimit(const ScopedAllocationLimit&) = delete;
  ScopedAllocationLimit& operator=(const ScopedAllocationLimit&) = delete;
  // How many allocations were refused so far.
  static int refusals();
};

}  // namespace linkfold::test
