// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zone pass: the upper shock's classification by picture row. Along a row the
// answer changes once, where the front crosses it; the table keeps, per row,
// the columns left of which a point is ahead of the front and right of which
// it is behind, so only points near the crossing compute the front. It speeds
// up UpperShock::classify, which every tracer above the plate asks, and must
// give the same answer, bit for bit, as computing the front for every point.

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/zonepass/RowTable.h"

class FrontRows {
 public:
  // Keeps no rows: every row is computed.
  void clear() { rows.clear(); }
  // Refills the table for a front from (originX, originY) at sin(alpha - beta)
  // = frontSine; a front too close to the vertical keeps no rows.
  void fill(int viewHeight, int originX, int originY, double frontSine) {
    // Along a row, with a = x - originX and s = frontSine, the test compares
    // s sqrt(dy^2 + a^2) with a: their difference falls with a by at least
    // 1 - |s| per pixel and vanishes at a = s |dy| / sqrt(1 - s^2). Outside
    // the bounds a is at least three pixels from there, so the difference is
    // at least 3 (1 - |s|), which for |s| up to kMaxSine dwarfs the rounding of
    // the test (below 2^-16 pixels wherever 32-bit coordinates can put it): the
    // bound's answer is the computed one.
    constexpr double kMaxSine = 0.9999;
    const double s = frontSine;
    if (!(std::abs(s) <= kMaxSine)) {
      rows.clear();
      return;
    }
    const double k = s / std::sqrt(1 - s * s);
    rows.fill(viewHeight, [&](int y) {
      const double a = k * std::abs(static_cast<double>(std::int64_t{originY} - y));
      return Bounds{originX + static_cast<std::int64_t>(std::floor(a)) - 2,
                    originX + static_cast<std::int64_t>(std::ceil(a)) + 2};
    });
  }

  // -1 ahead of the front, 1 behind it: from the row's bounds away from the
  // crossing, from frontClass(x, y) near it.
  template <class FrontClass>
  int classify(int x, int y, FrontClass&& frontClass) const {
    const Bounds* found = rows.find(y);
    const Bounds b = found ? *found : kUndecided;
    // Both ends in one unsigned comparison: a second branch on which side
    // x lies would be unpredictable.
    const auto offset = static_cast<std::uint64_t>(x) - static_cast<std::uint64_t>(b.left);
    if (offset <= static_cast<std::uint64_t>(b.right) - static_cast<std::uint64_t>(b.left))
        [[unlikely]] {
      return frontClass(x, y);
    }
    return 1 - 2 * static_cast<int>(x < b.left);
  }

 private:
  // Pixels x < left of a row are ahead of the front (-1), x > right behind it (1).
  struct Bounds {
    std::int64_t left;
    std::int64_t right;
  };
  static constexpr Bounds kUndecided{std::numeric_limits<std::int64_t>::min(),
                                     std::numeric_limits<std::int64_t>::max()};
  RowTable<Bounds> rows;
};
