#include "view/FrameBuffer.h"

#include <algorithm>
#include <cstdint>

#include "view/LargePageImage.h"

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

void FrameBuffer::blit(QImage& target, int x, int y) const {
  const QImage::Format format = target.format();
  if (!exists() || target.isNull() ||
      (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
       format != QImage::Format_ARGB32_Premultiplied)) {
    return;
  }
  // The visible part in frame coordinates; 64 bits because x + width may not fit in int.
  const std::int64_t x0 = std::max<std::int64_t>(0, -std::int64_t{x});
  const std::int64_t y0 = std::max<std::int64_t>(0, -std::int64_t{y});
  const std::int64_t x1 = std::min<std::int64_t>(width, std::int64_t{target.width()} - x);
  const std::int64_t y1 = std::min<std::int64_t>(height, std::int64_t{target.height()} - y);
  if (x0 >= x1 || y0 >= y1) return;

  // Compared without the alpha byte, which RGB32 leaves undefined.
  const std::uint32_t key = ImageCanvas::toPixel(transparentColour) & 0x00ffffffu;
  for (std::int64_t row = y0; row < y1; ++row) {
    const auto* from =
        reinterpret_cast<const std::uint32_t*>(bitmap.constScanLine(static_cast<int>(row)));
    auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(static_cast<int>(row + y)));
    // A select rather than a conditional store, so the loop vectorises.
    for (std::int64_t column = x0; column < x1; ++column) {
      const std::uint32_t pixel = from[column];
      const std::uint32_t old = to[column + x];
      to[column + x] = (pixel & 0x00ffffffu) == key ? old : pixel | 0xff000000u;
    }
  }
}

void FrameBuffer::present(QImage& target) {
  imageCanvas.finishText();
  if (exists() && imageCanvas.keyFree() && target.size() == bitmap.size() &&
      target.format() == bitmap.format()) {
    bitmap.swap(target);
    // Taking the memory detaches it should anyone still share the old picture.
    imageCanvas.bind(&bitmap);
    return;
  }
  blit(target);
}
