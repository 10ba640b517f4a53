// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where text went: the smallest box around an RGB32 image's dark pixels.

#include <QImage>
#include <QRect>
#include <cstdint>

// Empty when there are none.
inline QRect darkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const std::uint32_t p = row[x];
      if (qRed(p) + qGreen(p) + qBlue(p) < 3 * 128) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}
