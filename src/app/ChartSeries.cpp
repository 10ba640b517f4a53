// SPDX-License-Identifier: GPL-3.0-or-later
// The chart numbers: θ-β-M branches drawn along β, the θmax locus, the loads swept over α
// by exact, linear and second-order theory and by the model, and the two markers.
#include "app/ChartSeries.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "app/PlateCoefficients.h"
#include "model/LowerShock.h"
#include "numeric/Elementary.h"
#include "theory/FlatPlate.h"
#include "theory/ObliqueShock.h"
#include "theory/PerfectGas.h"

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;
constexpr int kBranchPoints = 120;  // per branch: smooth at any chart size
constexpr int kLocusPoints = 200;

void addFinite(ChartCurve& curve, double x, double y) {
  if (std::isfinite(x) && std::isfinite(y)) curve.push_back({x, y});
}

// Both branches drawn along β, which needs no root search: θ(β) is explicit.
std::optional<ShockCurves> shockCurves(double mach) {
  const auto top = theory::maxDeflection(mach);
  if (!top) return std::nullopt;
  ShockCurves curves{.mach = mach, .weak = {}, .strong = {}};
  const double mu = numeric::asin(1.0 / mach);
  const auto branch = [mach](ChartCurve& curve, double from, double to) {
    curve.reserve(kBranchPoints + 1);
    for (int i = 0; i <= kBranchPoints; ++i) {
      const double beta = from + (to - from) * i / kBranchPoints;
      // Rounding leaves θ a hair below zero at the Mach angle and at the normal shock.
      const double theta = std::max(0.0, theory::deflectionAngle(mach, beta));
      addFinite(curve, theory::degrees(theta), theory::degrees(beta));
    }
  };
  branch(curves.weak, mu, top->shockAngle);
  branch(curves.strong, top->shockAngle, kHalfPi);
  return curves;
}

// From M₁ = 1 (θmax = 0 at β = 90°) to the largest Mach number the theory takes.
ChartCurve maxDeflectionLocus() {
  ChartCurve locus;
  locus.reserve(kLocusPoints + 1);
  locus.push_back({0.0, 90.0});
  for (int i = 1; i < kLocusPoints; ++i) {
    // Even steps in 1/M₁, which crowd the points where the locus bends, near M₁ = 1.
    const double mach = 1.0 / (1.0 - static_cast<double>(i) / kLocusPoints);
    if (const auto top = theory::maxDeflection(mach))
      addFinite(locus, theory::degrees(top->deflection), theory::degrees(top->shockAngle));
  }
  if (const auto top = theory::maxDeflection(theory::kLargestMach))
    addFinite(locus, theory::degrees(top->deflection), theory::degrees(top->shockAngle));
  return locus;
}

void addLoads(LoadCurves& curves, double alphaDegrees, const std::optional<double>& lift,
              const std::optional<double>& drag) {
  // Lift and drag of one theory come and go together.
  if (!lift || !drag) return;
  curves.lift.push_back({alphaDegrees, *lift});
  curves.drag.push_back({alphaDegrees, *drag});
}

void addRow(LoadsSeries& loads, const CoefficientRow& row) {
  addLoads(loads.exact, row.alpha, row.lift, row.drag);
  addLoads(loads.ackeret, row.alpha, row.linearLift, row.linearDrag);
  addLoads(loads.busemann, row.alpha, row.secondOrderLift, row.secondOrderDrag);
  addLoads(loads.model, row.alpha, row.modelLift, row.modelDrag);
}

// The vertical range: everything the exact and model curves reach, and the small-disturbance
// theories only while the shock is attached. Beyond that they grow without bound, and would
// squash the curves that still mean something.
void fitRange(LoadsSeries& loads) {
  double lowest = 0.0;
  double highest = 0.0;
  const double attachedUpTo = loads.exact.lift.empty() ? 0.0 : loads.exact.lift.back().x;
  const auto take = [&](const ChartCurve& curve, double upTo) {
    for (const ChartPoint& p : curve) {
      if (p.x > upTo) break;
      lowest = std::min(lowest, p.y);
      highest = std::max(highest, p.y);
    }
  };
  for (const LoadCurves* c : {&loads.exact, &loads.model}) {
    take(c->lift, kSweepTop);
    take(c->drag, kSweepTop);
  }
  for (const LoadCurves* c : {&loads.ackeret, &loads.busemann}) {
    take(c->lift, attachedUpTo);
    take(c->drag, attachedUpTo);
  }
  loads.lowest = lowest;
  loads.highest = highest > lowest ? highest : lowest + 1.0;
}

}  // namespace

ChartCurve thinnedCurve(const ChartCurve& curve, double width, double height, double tolerance) {
  if (curve.size() <= 2 || !(width > 0) || !(height > 0)) return curve;
  // Douglas-Peucker, with a stack of spans instead of recursion.
  std::vector<bool> keep(curve.size(), false);
  keep.front() = keep.back() = true;
  std::vector<std::pair<std::size_t, std::size_t>> spans = {{0, curve.size() - 1}};
  while (!spans.empty()) {
    const auto [first, last] = spans.back();
    spans.pop_back();
    const double ax = curve[first].x / width;
    const double ay = curve[first].y / height;
    const double dx = curve[last].x / width - ax;
    const double dy = curve[last].y / height - ay;
    const double length = numeric::hypot(dx, dy);
    double farthest = -1.0;
    std::size_t at = first;
    for (std::size_t i = first + 1; i < last; ++i) {
      const double px = curve[i].x / width - ax;
      const double py = curve[i].y / height - ay;
      const double distance =
          length > 0 ? std::fabs(px * dy - py * dx) / length : numeric::hypot(px, py);
      if (distance > farthest) {
        farthest = distance;
        at = i;
      }
    }
    if (farthest > tolerance) {
      keep[at] = true;
      if (at - first > 1) spans.emplace_back(first, at);
      if (last - at > 1) spans.emplace_back(at, last);
    }
  }
  ChartCurve thinned;
  for (std::size_t i = 0; i < curve.size(); ++i)
    if (keep[i]) thinned.push_back(curve[i]);
  return thinned;
}

std::vector<ChartCurve> partsBelow(const ChartCurve& curve, double top) {
  std::vector<ChartCurve> parts;
  const auto crossing = [top](const ChartPoint& a, const ChartPoint& b) {
    return ChartPoint{a.x + (b.x - a.x) * (top - a.y) / (b.y - a.y), top};
  };
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const ChartPoint& p = curve[i];
    const bool inside = p.y <= top;
    const bool wasInside = i > 0 && curve[i - 1].y <= top;
    if (inside && !wasInside) {
      parts.emplace_back();
      if (i > 0) parts.back().push_back(crossing(curve[i - 1], p));
    }
    if (inside) parts.back().push_back(p);
    if (!inside && wasInside) parts.back().push_back(crossing(curve[i - 1], p));
  }
  return parts;
}

const ChartSeries& ChartSeriesBuilder::update(const FlowModel& model) {
  const SweepKey key{.velocity = model.velocity,
                     .temperature = model.temperature,
                     .pressure = model.pressure,
                     .density = model.density,
                     .halfLength = model.halfLength,
                     .width = model.viewWidth,
                     .height = model.viewHeight};
  if (!swept || !(*swept == key)) {
    sweep(model);
    swept = key;
  }
  placeMarkers(model);
  return charts;
}

void ChartSeriesBuilder::sweep(const FlowModel& model) {
  ++charts.curvesRevision;
  // The model's lower front depends on α alone; this copy only has to be able to turn.
  scratch.setView(model.viewWidth, model.viewHeight);

  CoefficientSweep rows(model);
  const double mach = rows.mach();
  charts.mach = mach;
  ThetaBetaSeries& chart = charts.thetaBeta;
  chart.current = shockCurves(mach);
  if (chart.references.empty()) {
    for (const double reference : kReferenceMachs)
      if (auto curves = shockCurves(reference)) chart.references.push_back(std::move(*curves));
    chart.maxLocus = maxDeflectionLocus();
  }
  const auto top = theory::maxDeflection(mach);
  chart.maxDeflection =
      top ? std::optional(theory::degrees(top->deflection)) : std::optional<double>();

  LoadsSeries& loads = charts.loads;
  loads = LoadsSeries{};
  for (LoadCurves* c : {&loads.exact, &loads.ackeret, &loads.busemann, &loads.model}) {
    c->lift.reserve(kSweepSteps + 2);
    c->drag.reserve(kSweepSteps + 2);
  }
  bool endedAtMax = false;
  for (int i = 0; i <= kSweepSteps; ++i) {
    const double alphaDegrees = kSweepTop * i / kSweepSteps;
    // The exact curve ends at θmax itself rather than at the grid angle before it.
    if (top && alphaDegrees > theory::degrees(top->deflection) && !endedAtMax) {
      const theory::PlateTheory edge =
          theory::solveFlatPlate({.mach = mach, .angleOfAttack = top->deflection});
      if (edge.exact)
        addLoads(loads.exact, theory::degrees(top->deflection), edge.exact->lift, edge.exact->drag);
      endedAtMax = true;
    }
    addRow(loads, rows.at(alphaDegrees));
  }
  fitRange(loads);
}

void ChartSeriesBuilder::placeMarkers(const FlowModel& model) {
  const double alpha = model.angle;
  charts.alpha = theory::degrees(alpha);
  const double mach = charts.mach;
  const theory::PlateTheory plate = theory::solveFlatPlate({.mach = mach, .angleOfAttack = alpha});
  charts.regime = plate.message;

  ThetaBetaSeries& chart = charts.thetaBeta;
  chart.state = OperatingPoint::Absent;
  chart.exact.reset();
  if (plate.maxDeflection) {
    if (plate.lower) {
      chart.state = OperatingPoint::Attached;
      chart.exact = ChartPoint{charts.alpha, theory::degrees(plate.lower->shockAngle)};
    } else {
      chart.state = OperatingPoint::Detached;
      chart.exact = ChartPoint{theory::degrees(plate.maxDeflection->deflection),
                               theory::degrees(plate.maxDeflection->shockAngle)};
    }
  }
  // The model's rule for its lower front, read from the model's own zone at this α.
  scratch.setPlateAngle(alpha);
  chart.model.reset();
  const double front = theory::degrees(scratch.angle + scratch.lowerShock().frontAngle);
  if (std::isfinite(front)) chart.model = ChartPoint{charts.alpha, front};
}
