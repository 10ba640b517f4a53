// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LargePages.h"

#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void* allocateLargePages(std::size_t bytes) {
  // The round-up must stay a valid object size.
  if (bytes == 0) bytes = 1;
  if (bytes > static_cast<std::size_t>(PTRDIFF_MAX) - kLargePageBytes) return nullptr;
  const std::size_t rounded = (bytes + kLargePageBytes - 1) / kLargePageBytes * kLargePageBytes;
#if defined(__linux__)
  void* block = std::aligned_alloc(kLargePageBytes, rounded);
  // Only advice: without large pages the block works as well on small ones.
  if (block != nullptr) madvise(block, rounded, MADV_HUGEPAGE);
  return block;
#else
  return std::malloc(rounded);
#endif
}

void freeLargePages(void* block) {
  std::free(block);
}
