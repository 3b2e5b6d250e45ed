#include "support/AllocationLimit.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> largestAllowed{SIZE_MAX};

}  // namespace

AllocationLimit::AllocationLimit(size_t largestAllowedBytes) { largestAllowed = largestAllowedBytes; }

AllocationLimit::~AllocationLimit() { largestAllowed = SIZE_MAX; }

namespace {

void* Allocate(size_t size) {
  if (size > largestAllowed) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

}  // namespace

// The array forms are replaced too: a sanitizer's runtime replaces them on its
// own, so they would not reach the single form.
void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, size_t) noexcept { std::free(memory); }
