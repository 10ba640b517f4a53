// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LargePageImage.h"

#include <cstdint>

#include "platform/LargePages.h"

namespace {
// Below this, rounding up to a whole large page would waste more than it saves.
constexpr std::size_t kWorthALargePage = kLargePageBytes / 2;
}  // namespace

QImage largePageImage(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const std::size_t rowBytes = std::size_t(width) * 4;
  // As with Qt's own images, the size in bytes must be a valid offset.
  if (std::size_t(height) > PTRDIFF_MAX / rowBytes) return {};
  const std::size_t bytes = rowBytes * std::size_t(height);
  if (bytes < kWorthALargePage) return QImage(width, height, QImage::Format_RGB32);
  void* block = allocateLargePages(bytes);
  if (block == nullptr) return {};
  return QImage(
      static_cast<uchar*>(block), width, height, static_cast<qsizetype>(rowBytes),
      QImage::Format_RGB32, [](void* memory) { freeLargePages(memory); }, block);
}
