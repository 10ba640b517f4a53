// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include <array>

namespace {
long long visibleArea(const QRect& frame, const QRect& available) {
  const QRect shown = frame.intersected(available);
  return shown.isEmpty() ? 0 : static_cast<long long>(shown.width()) * shown.height();
}
}  // namespace

QPoint besidePosition(const QRect& main, const QSize& size, const QRect& available, int gap) {
  // The tops line up beside the window; below, the left edges do.
  const std::array<QPoint, 3> sides = {
      QPoint(main.right() + 1 + gap, main.top()),
      QPoint(main.left() - gap - size.width(), main.top()),
      QPoint(main.left(), main.bottom() + 1 + gap),
  };
  for (const QPoint& at : sides)
    if (available.contains(QRect(at, size))) return at;
  QPoint best = sides[0];
  long long bestArea = -1;
  for (const QPoint& at : sides) {
    const long long area = visibleArea(QRect(at, size), available);
    if (area > bestArea) best = at, bestArea = area;
  }
  return best;
}
