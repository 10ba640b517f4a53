// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An RGB32 image inside a larger buffer: sentinels before it, after it and
// past the end of every row catch any write outside the image.

#include <QImage>
#include <cstdint>
#include <vector>

class GuardedImage {
 public:
  static constexpr std::uint32_t kSentinel = 0x5a5a5a5a;
  static constexpr int kGuard = 64;  // pixels before and after the image
  static constexpr int kPad = 3;     // extra pixels at the end of every row

  GuardedImage(int width, int height, std::uint32_t background = 0xffffffff)
      : buffer_(2 * kGuard + static_cast<std::size_t>(height) * (width + kPad), kSentinel),
        image_(reinterpret_cast<uchar*>(buffer_.data() + kGuard), width, height, (width + kPad) * 4,
               QImage::Format_RGB32) {
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
      for (int x = 0; x < width; ++x) row[x] = background;
    }
  }

  QImage& image() { return image_; }

  bool intact() const {
    const int stride = image_.width() + kPad;
    for (std::size_t i = 0; i < buffer_.size(); ++i) {
      const std::ptrdiff_t inside = static_cast<std::ptrdiff_t>(i) - kGuard;
      const bool pixel = inside >= 0 && inside < std::ptrdiff_t{stride} * image_.height() &&
                         inside % stride < image_.width();
      if (!pixel && buffer_[i] != kSentinel) return false;
    }
    return true;
  }

 private:
  std::vector<std::uint32_t> buffer_;
  QImage image_;
};
