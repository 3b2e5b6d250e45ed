#pragma once
// Makes every single allocation above a size fail with std::bad_alloc while an
// AllocationLimit lives, as a process under a memory limit sees it. The core
// test program replaces the global operator new for this.

#include <cstddef>

class AllocationLimit {
 public:
  explicit AllocationLimit(size_t largestAllowedBytes);
  ~AllocationLimit();
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;
};
