// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zone pass: where a fan's two rays cross each picture row, as whole pixel
// columns. They are the same for a whole configuration, so the rows tracers
// can be in are looked up instead of being computed for every tracer; other
// rows are computed. It speeds up the fans' classify and must give the same
// answer, bit for bit, as computing the crossings for every point.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/zonepass/RowTable.h"

class FanRows {
 public:
  // Where the two rays cross a picture row, pixels.
  struct Crossings {
    double first;
    double last;
  };
  // The crossings as the whole pixel columns a classification compares
  // with: a whole x is left of `first` exactly when x < ceil(first), and right
  // of `last` when x > floor(last); a NaN crossing has nothing on either side.
  // Integer comparisons spare the zone pass a conversion per tracer.
  struct Columns {
    std::int64_t firstLeft;  // columns below this are left of the first ray
    std::int64_t lastRight;  // columns above this are right of the last ray
  };

  static Columns columnsOf(const Crossings& c) {
    // Clamped to one column beyond the 32-bit range, where every x agrees.
    const auto left = [](double first) {
      if (std::isnan(first)) return std::numeric_limits<std::int64_t>::min();
      return static_cast<std::int64_t>(std::clamp(std::ceil(first), -2147483648.0, 2147483648.0));
    };
    const auto right = [](double last) {
      if (std::isnan(last)) return std::numeric_limits<std::int64_t>::max();
      return static_cast<std::int64_t>(std::clamp(std::floor(last), -2147483649.0, 2147483647.0));
    };
    return {left(c.first), right(c.last)};
  }
  // -1 left of the first ray, 1 right of the last, 0 between; computed
  // without a branch, as which side a tracer is on is unpredictable.
  static int classOf(int x, const Columns& c) {
    const int left = x < c.firstLeft;
    const int right = x > c.lastRight;
    return (right & (left ^ 1)) - left;
  }

  // Refills the table from crossingsOf(y) after the rays have moved.
  template <class CrossingsOf>
  void fill(int viewHeight, CrossingsOf&& crossingsOf) {
    rows.fill(viewHeight, [&](int y) { return columnsOf(crossingsOf(y)); });
  }
  // Keeps no rows: every row is computed.
  void clear() { rows.clear(); }
  // The columns of row y, from the table or computed.
  template <class CrossingsOf>
  Columns columnsAt(int y, CrossingsOf&& crossingsOf) const {
    if (const Columns* c = rows.find(y)) [[likely]] {
      return *c;
    }
    return columnsOf(crossingsOf(y));
  }

 private:
  RowTable<Columns> rows;
};
