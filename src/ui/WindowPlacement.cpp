// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <tuple>

namespace {
long long overlap(const QRect& a, const QRect& b) {
  const QRect shared = a.intersected(b);
  return shared.isEmpty() ? 0 : static_cast<long long>(shared.width()) * shared.height();
}

// Moves `at` as little as needed for a frame of `size` to lie on `available`; the top-left
// corner wins where the frame is larger than the screen.
QPoint clampedOnto(QPoint at, const QSize& size, const QRect& available) {
  const int x = std::max(available.left(),
                         std::min(at.x(), available.left() + available.width() - size.width()));
  const int y = std::max(available.top(),
                         std::min(at.y(), available.top() + available.height() - size.height()));
  return {x, y};
}
}  // namespace

QPoint besidePosition(const QRect& main, const QRect& picture, const QSize& size,
                      const QRect& available, int gap, const std::vector<QRect>& others) {
  // The tops line up beside the window; below and above, the left edges do.
  const std::array<QPoint, 4> sides = {
      QPoint(main.right() + 1 + gap, main.top()),
      QPoint(main.left() - gap - size.width(), main.top()),
      QPoint(main.left(), main.bottom() + 1 + gap),
      QPoint(main.left(), main.top() - gap - size.height()),
  };
  const auto covered = [&](const QRect& frame) {
    long long area = overlap(frame, main);
    for (const QRect& other : others) area += overlap(frame, other);
    return area;
  };
  for (const QPoint& at : sides) {
    const QRect frame(at, size);
    if (available.contains(frame) && covered(frame) == 0) return at;
  }
  // No side has room: every side pushed onto the screen, and the screen's corners. The picture
  // stays clear first, then as much of the window and the others as can.
  std::array<QPoint, 8> tries = {};
  for (std::size_t i = 0; i < sides.size(); ++i) tries[i] = clampedOnto(sides[i], size, available);
  tries[4] = clampedOnto(available.topLeft(), size, available);
  tries[5] = clampedOnto(available.topRight() - QPoint(size.width() - 1, 0), size, available);
  tries[6] = clampedOnto(available.bottomLeft() - QPoint(0, size.height() - 1), size, available);
  tries[7] = clampedOnto(available.bottomRight() - QPoint(size.width() - 1, size.height() - 1),
                         size, available);
  QPoint best = tries[0];
  std::tuple<long long, long long> bestScore{-1, -1};
  for (const QPoint& at : tries) {
    const QRect frame(at, size);
    const std::tuple<long long, long long> score{overlap(frame, picture), covered(frame)};
    if (std::get<0>(bestScore) < 0 || score < bestScore) best = at, bestScore = score;
  }
  return best;
}

void placeBeside(const QWidget& main, const QWidget& picture, QWidget& window) {
  const QScreen* screen = main.screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  // Before it is first shown the window has no frame yet: take main's frame margins.
  const QRect frame = main.frameGeometry();
  const QRect inner = main.geometry();
  const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
  const QSize most = room.size().shrunkBy(margins);
  if (window.width() > most.width() || window.height() > most.height())
    window.resize(window.size().boundedTo(most).expandedTo(window.minimumSize()));
  const QSize size =
      window.isVisible() ? window.frameGeometry().size() : window.size().grownBy(margins);
  std::vector<QRect> others;
  for (const QWidget* other : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (other != &window && other->isWindow() && other->isVisible())
      others.push_back(other->frameGeometry());
  const QRect shownPicture(picture.mapToGlobal(QPoint(0, 0)), picture.size());
  constexpr int kGap = 8;  // pixels between two frames
  QSize placed = size;
  QPoint at = besidePosition(frame, shownPicture, placed, room, kGap, others);
  // Nowhere clear of the picture at this size: smaller, down to what the window can take.
  const QSize least =
      window.minimumSizeHint().expandedTo(window.minimumSize()).grownBy(margins).boundedTo(size);
  while (QRect(at, placed).intersects(shownPicture) && placed != least) {
    placed = QSize(std::max(least.width(), placed.width() * 9 / 10),
                   std::max(least.height(), placed.height() * 9 / 10));
    at = besidePosition(frame, shownPicture, placed, room, kGap, others);
  }
  if (QRect(at, placed).intersects(shownPicture)) {
    placed = size;  // covering it anyway: better at full size
    at = besidePosition(frame, shownPicture, placed, room, kGap, others);
  }
  if (placed != size) window.resize(placed.shrunkBy(margins));
  window.move(at);
}
