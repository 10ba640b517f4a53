#pragma once
// Per-row values a zone computes from its configuration alone, kept for the
// picture rows tracers can be in: the zone pass looks them up instead of
// recomputing them for each of ten thousand tracers.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

template <class Row>
class RowTable {
 public:
  // Tracers live from this row down to kBottomMargin rows below the picture.
  static constexpr int kTopRow = -300;
  static constexpr int kBottomMargin = 31;
  // A taller picture keeps a table of this many rows; the rest are computed.
  static constexpr std::int64_t kMaxRows = std::int64_t{1} << 15;

  // Refills the table with rowAt(y) for each row; reuses its storage.
  template <class RowAt>
  void fill(int viewHeight, RowAt&& rowAt) {
    const std::int64_t count =
        std::clamp<std::int64_t>(std::int64_t{viewHeight} + kBottomMargin - kTopRow, 0, kMaxRows);
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
