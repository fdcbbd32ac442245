// The test programs' replacement of the global operator new and delete. Without a limit it
// behaves like the standard one.

#include "support/AllocationLimit.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> limit{0};  // 0: no limit
std::atomic<int> refused{0};

void* allocate(std::size_t size) {
  const std::size_t max = limit.load();
  if (max != 0 && size > max) {
    ++refused;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

// The non-throwing forms too: the sorts take memory through them, and it must come from the
// same allocator that the operator delete above releases to.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}

namespace linkfold::test {

ScopedAllocationLimit::ScopedAllocationLimit(std::size_t maxBytes) {
  limit = maxBytes;
}
ScopedAllocationLimit::~ScopedAllocationLimit() {
  limit = 0;
}
int ScopedAllocationLimit::refusals() {
  return refused.load();
}

}  // namespace linkfold::test
