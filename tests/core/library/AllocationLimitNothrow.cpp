// The non-throwing forms of operator new and delete for the library tests. The sorts take
// memory through them, and it must come from the same allocator that the replaced operator
// delete in AllocationLimit.cpp releases to. Kept apart so that other test programs that reuse
// AllocationLimit.cpp can bring their own.

#include <cstdlib>
#include <new>

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
