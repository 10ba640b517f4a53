// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts every heap allocation of the process (the toolkit's included), so a
// test or benchmark can prove a loop allocates nothing. Include it in exactly
// one source file of an executable: it replaces the global operator new.

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> heapAllocations{0};

void* operator new(std::size_t size) {
  heapAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// GCC takes the free of what this operator new returns for a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// The allocations `work` makes.
template <class Work>
long allocationsDuring(Work&& work) {
  const long before = heapAllocations.load(std::memory_order_relaxed);
  work();
  return heapAllocations.load(std::memory_order_relaxed) - before;
}
