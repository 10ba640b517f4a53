// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LargePages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace {

TEST(LargePages, BlocksCoverTheAskedBytesOnLargePageBoundaries) {
  for (const std::size_t bytes : {std::size_t{0}, std::size_t{1}, kLargePageBytes - 1,
                                  kLargePageBytes, kLargePageBytes + 1, 5 * kLargePageBytes}) {
    void* block = allocateLargePages(bytes);
    ASSERT_NE(block, nullptr) << bytes;
#if defined(__linux__)
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kLargePageBytes, 0u) << bytes;
#endif
    // The sanitised build catches a block shorter than asked for.
    std::memset(block, 0x5a, bytes == 0 ? 1 : bytes);
    freeLargePages(block);
  }
}

TEST(LargePages, SizesNoObjectCanHaveAreRefused) {
  EXPECT_EQ(allocateLargePages(SIZE_MAX), nullptr);
  EXPECT_EQ(allocateLargePages(PTRDIFF_MAX), nullptr);
  LargePageAllocator<double> doubles;
  EXPECT_THROW(static_cast<void>(doubles.allocate(SIZE_MAX / 4)), std::bad_array_new_length);
  EXPECT_THROW(static_cast<void>(doubles.allocate(SIZE_MAX / 16)), std::bad_alloc);
}

TEST(LargePages, VectorsOnThemCopyAndGrowLikeAnyOther) {
  std::vector<int, LargePageAllocator<int>> a(1000, 7);
  a.resize(3'000'000, 9);  // moves to a larger block
  const auto b = a;
  EXPECT_EQ(b.size(), 3'000'000u);
  EXPECT_EQ(b[999], 7);
  EXPECT_EQ(b.back(), 9);
}

}  // namespace
