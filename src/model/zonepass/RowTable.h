// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Per-row values a zone computes from its configuration alone, kept for the
// picture rows tracers can be in: the zone pass looks them up instead of
// recomputing them for each of ten thousand tracers.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Tracer.h"

template <class Row>
class RowTable {
 public:
  // The rows from a tracer's top bound down to its outer margin below the
  // picture, both ends included: every row a tracer that Tracer::step keeps
  // can be in. Rows outside are computed, with the same answer.
  static constexpr int kTopRow = Tracer::kTopBound;
  // A taller picture keeps a table of this many rows; the rest are computed.
  static constexpr std::int64_t kMaxRows = std::int64_t{1} << 15;

  // Refills the table with rowAt(y) for each row; reuses its storage.
  template <class RowAt>
  void fill(int viewHeight, RowAt&& rowAt) {
    const std::int64_t count = std::clamp<std::int64_t>(
        std::int64_t{viewHeight} + Tracer::kOuterMargin - kTopRow + 1, 0, kMaxRows);
    rows.resize(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) rows[i] = rowAt(static_cast<int>(kTopRow + i));
  }
  void clear() { rows.clear(); }
  // The entry for row y, or nullptr when the table does not hold it.
  const Row* find(int y) const {
    const auto i = static_cast<std::uint64_t>(std::int64_t{y} - kTopRow);
    return i < rows.size() ? &rows[i] : nullptr;
  }

 private:
  std::vector<Row> rows;  // rows[i] belongs to picture row kTopRow + i
};
