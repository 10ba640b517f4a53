// SPDX-License-Identifier: GPL-3.0-or-later
// The α sweep's angles, rows and the two tabular forms of them.
#include "session/Sweep.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "app/PlateCoefficients.h"
#include "model/FlowModel.h"
#include "platform/Compat.h"
#include "session/Document.h"

namespace {

constexpr std::array<const char*, 12> kColumns = {
    "alpha_deg",  "regime",     "beta_deg",    "cl",          "cd",       "ld",
    "cl_ackeret", "cd_ackeret", "cl_busemann", "cd_busemann", "cl_model", "cd_model"};

// Grid points closer than this share of a step to `to` still count as reaching it: 75/0.01
// is 7499.999999999999 in doubles.
constexpr double kGridSlack = 1e-9;

// The count of angles, or nullopt when it would pass kLargestSweep (or is no number).
std::optional<std::size_t> angleCount(const SweepRange& r) {
  const double intervals = std::floor((r.to - r.from) / r.step + kGridSlack);
  if (!(intervals >= 0.0) || !(intervals < static_cast<double>(kLargestSweep))) return std::nullopt;
  return static_cast<std::size_t>(intervals) + 1;
}

// A power of ten that makes both `from` and `step` whole numbers, up to the few ulps a
// decimal text's rounding leaves, if one up to 10⁹ does.
std::optional<double> decimalScale(const SweepRange& r) {
  const auto whole = [](double x) {
    return std::fabs(x - std::round(x)) <= 8e-16 * std::max(1.0, std::fabs(x));
  };
  double scale = 1.0;
  for (int digits = 0; digits <= 9; ++digits, scale *= 10.0) {
    const double f = r.from * scale;
    const double s = r.step * scale;
    // f + k·s is then exact wherever it stays below 2⁵³.
    if (std::fabs(f) > 1e12 || s > 1e12) return std::nullopt;
    if (whole(f) && whole(s)) return scale;
  }
  return std::nullopt;
}

const char* regimeWord(theory::Regime regime) {
  switch (regime) {
    case theory::Regime::ShockExpansion:
    case theory::Regime::MachWaves:  // the weakest attached shock
    case theory::Regime::Vacuum:     // the lower shock is attached; the upper face is empty
      return "attached";
    case theory::Regime::Detached:
      return "detached";
    case theory::Regime::Subsonic:
      return "subsonic";
    case theory::Regime::InvalidInput:
      return "invalid";
  }
  return "invalid";
}

// The numeric cells of a row after alpha and regime, in column order.
std::array<std::optional<double>, 10> numbers(const CoefficientRow& row) {
  return {row.shockAngle,
          row.lift,
          row.drag,
          row.liftToDrag,
          row.linearLift,
          row.linearDrag,
          row.secondOrderLift,
          row.secondOrderDrag,
          row.modelLift,
          row.modelDrag};
}

// Six significant digits for a person; JSON and CSV carry every digit.
std::string readable(double value) {
  char buffer[32];
  const auto end =
      compat::to_chars(buffer, buffer + sizeof buffer, value, compat::chars_format::general, 6);
  return std::string(buffer, end.ptr);
}

template <typename Visit>
void forEachRow(const FlowModel& session, const SweepRange& range, Visit visit) {
  CoefficientSweep sweep(session);
  for (const double alpha : sweepAngles(range)) visit(sweep.at(alpha));
}

}  // namespace

std::string sweepRangeProblem(const SweepRange& r) {
  if (!std::isfinite(r.from)) return "--from must be a finite number of degrees";
  if (!std::isfinite(r.to)) return "--to must be a finite number of degrees";
  if (!std::isfinite(r.step) || !(r.step > 0.0))
    return "--step must be a positive finite number of degrees";
  if (r.to < r.from) return "--to must not be below --from";
  if (!angleCount(r))
    return "the sweep would have more than " + std::to_string(kLargestSweep) +
           " angles: take a larger --step or a shorter range";
  return {};
}

std::vector<double> sweepAngles(const SweepRange& r) {
  const auto count = angleCount(r);
  if (!count || !sweepRangeProblem(r).empty()) return {};
  std::vector<double> angles;
  angles.reserve(*count);
  const auto scale = decimalScale(r);
  for (std::size_t i = 0; i < *count; ++i) {
    const auto k = static_cast<double>(i);
    const double alpha =
        scale ? (std::round(r.from * *scale) + k * std::round(r.step * *scale)) / *scale
              : r.from + k * r.step;
    // Within the slack of the end, on either side, the angle is `to` itself.
    angles.push_back(std::fabs(alpha - r.to) <= kGridSlack * r.step ? r.to : alpha);
  }
  return angles;
}

std::string sweepOutput(const FlowModel& session, const SweepRange& range, SweepFormat format) {
  if (format == SweepFormat::Csv) {
    std::string out;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
      if (i > 0) out += ',';
      out += kColumns[i];
    }
    out += '\n';
    forEachRow(session, range, [&out](const CoefficientRow& row) {
      out += shortestText(row.alpha);
      out += ',';
      out += regimeWord(row.regime);
      for (const auto& value : numbers(row)) {
        out += ',';
        if (value) out += shortestText(*value);
      }
      out += '\n';
    });
    return out;
  }
  Array rows;
  if (format == SweepFormat::Json) {
    forEachRow(session, range, [&rows](const CoefficientRow& row) {
      Object o;
      o.add(kColumns[0], row.alpha).add(kColumns[1], regimeWord(row.regime));
      const auto values = numbers(row);
      for (std::size_t i = 0; i < values.size(); ++i) o.add(kColumns[i + 2], values[i]);
      rows.items.emplace_back(std::move(o));
    });
    return toJson(rows);
  }
  rows.columns.assign(kColumns.begin(), kColumns.end());
  forEachRow(session, range, [&rows](const CoefficientRow& row) {
    Array cells;
    cells.items.emplace_back(readable(row.alpha));
    cells.items.emplace_back(regimeWord(row.regime));
    for (const auto& value : numbers(row))
      cells.items.emplace_back(value ? Node(readable(*value)) : Node());
    rows.items.emplace_back(std::move(cells));
  });
  return toText(rows);
}
