// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/PixelImage.h"

#include <algorithm>
#include <cstddef>
#include <utility>

PixelImage::PixelImage(int width, int height) {
  if (width <= 0 || height <= 0) return;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xffffffffu);
  width_ = width;
  height_ = height;
}

void PixelImage::swap(PixelImage& other) noexcept {
  pixels_.swap(other.pixels_);
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
}

void copyKeyed(const PixelView& from, const PixelView& to, Colour key) {
  if (from.bits == nullptr || to.bits == nullptr) return;
  const int columns = std::min(from.width, to.width);
  const int rows = std::min(from.height, to.height);
  // Compared without the alpha byte, which RGB32 leaves undefined.
  const std::uint32_t keyPixel = RasterCanvas::toPixel(key) & 0x00ffffffu;
  for (int row = 0; row < rows; ++row) {
    const std::uint32_t* const source = from.bits + row * from.stride;
    std::uint32_t* const target = to.bits + row * to.stride;
    // A select rather than a conditional store, so the loop vectorises.
    for (int column = 0; column < columns; ++column) {
      const std::uint32_t pixel = source[column];
      const std::uint32_t old = target[column];
      target[column] = (pixel & 0x00ffffffu) == keyPixel ? old : pixel | 0xff000000u;
    }
  }
}

void RasterFrame::create(int width, int height) {
  image_ = PixelImage(width, height);
  canvas_.bind(image_.view());
  canvas_.setKeyColour(kTransparentColour);
}

void RasterFrame::present(PixelImage& target) {
  if (exists() && canvas_.keyFree() && target.width() == image_.width() &&
      target.height() == image_.height()) {
    image_.swap(target);
    canvas_.bind(image_.view());
    return;
  }
  copyKeyed(image_.view(), target.view(), kTransparentColour);
}
