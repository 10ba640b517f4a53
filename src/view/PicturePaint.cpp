// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PicturePaint.h"

#include <QPainter>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "view/PictureSize.h"

QSize zoomedPictureSize(int percent) {
  return {kPictureWidth * percent / 100, kPictureHeight * percent / 100};
}

void PicturePainter::paint(QPainter& painter, const QImage& image, int percent,
                           const QRect& exposed) {
  if (image.isNull()) {
    painter.fillRect(exposed, Qt::white);
    return;
  }
  if (percent == 100) {
    painter.drawImage(exposed, image, exposed);
    return;
  }
  if (percent != 200 || image.format() != QImage::Format_RGB32) {
    // In between, nearest pixels would make lines and dots uneven: smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QSize size(image.width() * percent / 100, image.height() * percent / 100);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return;
  }
  const QSize size(image.width() * percent / 100, image.height() * percent / 100);
  if (zoomed.size() != size) zoomed = QImage(size, QImage::Format_RGB32);
  const QRect wanted = exposed.intersected(zoomed.rect());
  if (wanted.isEmpty()) return;
  double2x(image, wanted);
  painter.drawImage(wanted, zoomed, wanted);
}

void PicturePainter::double2x(const QImage& image, const QRect& wanted) {
  // Only the picture rows under the exposed part; each pixel becomes a square of four.
  const int first = wanted.top() / 2;
  const int last = std::min(wanted.bottom() / 2, image.height() - 1);
  const auto width = static_cast<std::ptrdiff_t>(image.width());
  const auto rowBytes = static_cast<std::size_t>(zoomed.bytesPerLine());
  for (int y = first; y <= last; ++y) {
    const auto* from = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    auto* to = reinterpret_cast<std::uint32_t*>(zoomed.scanLine(2 * y));
    for (std::ptrdiff_t x = 0; x < width; ++x) to[2 * x] = to[2 * x + 1] = from[x];
    std::memcpy(zoomed.scanLine(2 * y + 1), to, rowBytes);
  }
}
