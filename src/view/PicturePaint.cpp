// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PicturePaint.h"

#include <QPainter>
#include <algorithm>
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
  if (percent == 200 && image.depth() == 32) {
    paintDoubled(painter, image, exposed);
    return;
  }
  // In between, nearest pixels would make lines and dots uneven: smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  const QSize size(image.width() * percent / 100, image.height() * percent / 100);
  painter.drawImage(QRect(QPoint(0, 0), size), image);
}

void PicturePainter::paintDoubled(QPainter& painter, const QImage& image, const QRect& exposed) {
  const QSize size = image.size() * 2;
  if (doubled.size() != size || doubled.format() != image.format())
    doubled = QImage(size, image.format());
  const QRect wanted = exposed.intersected(doubled.rect());
  if (wanted.isEmpty()) return;
  // Only the picture rows under the exposed part.
  const int first = wanted.top() / 2;
  const int last = std::min(wanted.bottom() / 2, image.height() - 1);
  const int width = image.width();
  const auto rowBytes = static_cast<std::size_t>(size.width()) * sizeof(std::uint32_t);
  for (int y = first; y <= last; ++y) {
    const auto* from = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    auto* to = reinterpret_cast<std::uint32_t*>(doubled.scanLine(2 * y));
    for (int x = 0; x < width; ++x) to[2 * x] = to[2 * x + 1] = from[x];
    std::memcpy(doubled.scanLine(2 * y + 1), to, rowBytes);
  }
  painter.drawImage(wanted, doubled, wanted);
}
