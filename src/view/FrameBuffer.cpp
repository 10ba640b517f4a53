// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FrameBuffer.h"

#include <algorithm>
#include <cstdint>

#include "platform/LargePageImage.h"

void FrameBuffer::create(int width, int height) {
  release();
  if (width <= 0 || height <= 0) return;
  bitmap = largePageImage(width, height);
  // A size that cannot be allocated gives a null image: stay empty then.
  if (bitmap.isNull()) return;
  this->width = width;
  this->height = height;
  imageCanvas.bind(&bitmap);
  imageCanvas.setKeyColour(transparentColour);
}

void FrameBuffer::release() {
  if (!exists()) return;
  imageCanvas.bind(nullptr);
  bitmap = QImage();
  width = 0;
  height = 0;
}

void FrameBuffer::blit(QImage& target) const {
  const QImage::Format format = target.format();
  if (!exists() || target.isNull() ||
      (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
       format != QImage::Format_ARGB32_Premultiplied)) {
    return;
  }
  // The part of the frame that the target covers.
  const int columns = std::min(width, target.width());
  const int rows = std::min(height, target.height());

  // Compared without the alpha byte, which RGB32 leaves undefined.
  const std::uint32_t key = ImageCanvas::toPixel(transparentColour) & 0x00ffffffu;
  for (int row = 0; row < rows; ++row) {
    const auto* from = reinterpret_cast<const std::uint32_t*>(bitmap.constScanLine(row));
    auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(row));
    // A select rather than a conditional store, so the loop vectorises.
    for (int column = 0; column < columns; ++column) {
      const std::uint32_t pixel = from[column];
      const std::uint32_t old = to[column];
      to[column] = (pixel & 0x00ffffffu) == key ? old : pixel | 0xff000000u;
    }
  }
}

void FrameBuffer::present(QImage& target) {
  if (exists() && imageCanvas.keyFree() && target.size() == bitmap.size() &&
      target.format() == bitmap.format()) {
    bitmap.swap(target);
    // Taking the memory detaches it should anyone still share the old picture.
    imageCanvas.bind(&bitmap);
    return;
  }
  blit(target);
}
