// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FrameBuffer.h"

#include <cstdint>

#include "canvas/PixelImage.h"

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
  // Only read from: the frame's memory is not shared, and constBits() keeps it so.
  auto* const from =
      const_cast<std::uint32_t*>(reinterpret_cast<const std::uint32_t*>(bitmap.constBits()));
  copyKeyed({from, width, height, bitmap.bytesPerLine() / 4},
            {reinterpret_cast<std::uint32_t*>(target.bits()), target.width(), target.height(),
             target.bytesPerLine() / 4},
            transparentColour);
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
