// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LargePageImage.h"

#include <gtest/gtest.h>

#include <QSize>
#include <climits>
#include <cstdint>
#include <utility>

namespace {

std::uint32_t at(const QImage& image, int x, int y) {
  return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x];
}

TEST(LargePageImage, IsAPackedRgb32ImageOfTheAskedSize) {
  // Below a megabyte, exactly one, the picture, and several large pages.
  for (const QSize size :
       {QSize(1, 1), QSize(511, 512), QSize(512, 512), QSize(672, 465), QSize(2000, 1500)}) {
    QImage image = largePageImage(size.width(), size.height());
    ASSERT_FALSE(image.isNull()) << size.width() << 'x' << size.height();
    EXPECT_EQ(image.size(), size);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.bytesPerLine(), 4 * size.width());
#if defined(__linux__)
    const auto address = reinterpret_cast<std::uintptr_t>(image.constBits());
    if (image.sizeInBytes() >= (1 << 20)) {
      EXPECT_EQ(address % (2u << 20), 0u) << size.width() << 'x' << size.height();
    }
#endif
    // Every pixel is writable: the sanitised build catches a short block.
    image.fill(0xff123456u);
    EXPECT_EQ(at(image, size.width() - 1, size.height() - 1), 0xff123456u);
  }
}

TEST(LargePageImage, OwnsItsMemoryThroughCopiesAndSwaps) {
  QImage a = largePageImage(672, 465);
  QImage b = largePageImage(672, 465);
  a.fill(0xff0000ffu);
  b.fill(0xff00ff00u);
  {
    QImage shared = a;
    shared.setPixel(0, 0, 0xffff0000u);  // detaches: a keeps its pixels
    EXPECT_EQ(at(shared, 0, 0), 0xffff0000u);
  }
  EXPECT_EQ(at(a, 0, 0), 0xff0000ffu);
  a.swap(b);
  EXPECT_EQ(at(a, 671, 464), 0xff00ff00u);
  EXPECT_EQ(at(b, 671, 464), 0xff0000ffu);
  // Each block is freed once, by whichever image holds it last.
  QImage keep = b;
  b = QImage();
  EXPECT_EQ(at(keep, 5, 5), 0xff0000ffu);
}

TEST(LargePageImage, EmptyOrUnaddressableSizesGiveTheNullImage) {
  for (const auto& [w, h] :
       {std::pair{0, 0}, std::pair{0, 10}, std::pair{10, 0}, std::pair{-3, 10},
        std::pair{INT_MIN, INT_MIN}, std::pair{INT_MAX, INT_MAX}, std::pair{INT_MAX, 1500000000}}) {
    EXPECT_TRUE(largePageImage(w, h).isNull()) << w << 'x' << h;
  }
}

}  // namespace
