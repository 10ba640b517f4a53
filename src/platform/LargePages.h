// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Memory the system may back with large pages, for the arrays every tick
// sweeps whole: the tracers and the two picture-sized images.
//
// The window ticks every 25 ms and sleeps in between; by the next tick the
// processor's address caches hold other work, and a sweep over hundreds of
// 4 kB pages spent much of its time walking page tables. On Linux the blocks
// are whole 2 MB pages, aligned, and the system is asked to back them with
// large pages; elsewhere, or when it has none to give, they are plain memory.

#include <cstddef>
#include <new>

inline constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

// A block of at least `bytes`, rounded up to whole large pages; nullptr when it
// cannot be had. Free it with freeLargePages.
void* allocateLargePages(std::size_t bytes);
void freeLargePages(void* block);

// For std::vector: the elements on large pages.
template <class T>
class LargePageAllocator {
 public:
  using value_type = T;

  LargePageAllocator() = default;
  template <class U>
  LargePageAllocator(const LargePageAllocator<U>&) {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    void* block = allocateLargePages(n * sizeof(T));
    if (block == nullptr) throw std::bad_alloc();
    return static_cast<T*>(block);
  }
  void deallocate(T* block, std::size_t) { freeLargePages(block); }

  friend bool operator==(const LargePageAllocator&, const LargePageAllocator&) { return true; }
};
