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

// Array forms and the nothrow forms of the standard library end up here too.
void* operator new(size_t size) {
  if (size > largestAllowed) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, size_t) noexcept { std::free(memory); }
