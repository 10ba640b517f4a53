// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An image of 32-bit pixels in plain memory, and the off-screen frame drawn into one and
// shown on another, for hosts without a toolkit (the window's and the batch tool's frame
// keep their pixels in a QImage, view/FrameBuffer).

#include <cstdint>
#include <vector>

#include "canvas/RasterCanvas.h"

class PixelImage {
 public:
  PixelImage() = default;
  // White; the empty image when either side is 0 or less.
  PixelImage(int width, int height);

  bool isNull() const { return pixels_.empty(); }
  int width() const { return width_; }    // pixels
  int height() const { return height_; }  // pixels
  // Rows are packed: the stride is the width.
  PixelView view() { return {pixels_.data(), width_, height_, width_}; }
  const std::uint32_t* pixels() const { return pixels_.data(); }
  std::uint32_t pixel(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
  }
  void swap(PixelImage& other) noexcept;

 private:
  std::vector<std::uint32_t> pixels_;  // 0xAARRGGBB, row by row
  int width_ = 0;                      // pixels
  int height_ = 0;                     // pixels
};

// Copies `from` onto `to`, top-left corners together, clipped to both, leaving out the
// pixels whose colour (alpha aside) is `key`; the pixels copied become opaque.
void copyKeyed(const PixelView& from, const PixelView& to, Colour key);

// The off-screen frame of a flow view in plain memory: drawing happens on its canvas,
// present() then shows it on a target image in one go, its pixels of exactly
// transparentColour left out.
class RasterFrame {
 public:
  static constexpr Colour kTransparentColour{254, 0, 254};

  // Replaces any existing frame by a new one of the given size; a width or a
  // height of 0 or less gives the empty frame.
  void create(int width, int height);
  bool exists() const { return !image_.isNull(); }
  // Drawing on an empty frame is harmless and shows nowhere.
  Canvas& canvas() { return canvas_; }
  const PixelImage& image() const { return image_; }

  // Makes `target` show the frame. A frame that holds no transparent pixel, on a target
  // of its own size, is handed over by exchanging the two images' memory: the frame then
  // holds the target's old picture, to be drawn over anew.
  void present(PixelImage& target);

 private:
  PixelImage image_;
  RasterCanvas canvas_;  // draws on image_
};
