// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ImageCanvas.h"

void ImageCanvas::bind(QImage* image) {
  if (image == nullptr || image->isNull() || image->format() != QImage::Format_RGB32) {
    bind(PixelView{});
    return;
  }
  bind(PixelView{reinterpret_cast<std::uint32_t*>(image->bits()), image->width(), image->height(),
                 image->bytesPerLine() / 4});
}
