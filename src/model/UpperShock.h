// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The oblique shock at the trailing edge, above the plate: behind it the gas
// is back at the free-stream state and moves horizontally at V1 again.
//
// Its front leaves the trailing edge at beta = (1 - V1/450) pi/3 + 0.6 alpha -
// pi/8: a faster free stream tilts it further downstream. A point is behind
// it when the front point at the same distance from the trailing edge lies
// left of the point.

#include <cmath>
#include <cstdint>

#include "model/FlowModel.h"
#include "model/ShockZone.h"
#include "model/Tracer.h"
#include "model/Truncate.h"
#include "model/zonepass/FrontRows.h"
#include "model/zonepass/Select.h"

class UpperShock final : public ShockZone {
 public:
  explicit UpperShock(const FlowModel& model);

  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  // Inline, as for the lower shock.
  void deflect(Tracer& tracer) override {
    // Both tests made whole, as which way they go is unpredictable.
    const bool behind =
        (static_cast<int>(reaches(tracer.y)) &
         static_cast<int>(classify(truncToInt(tracer.x), truncToInt(tracer.y)) > 0)) != 0;
    tracer.vy = pick(behind, 0.0, tracer.vy);
    tracer.vx = pick(behind, model.velocity * kPixelsPerStepPerMs, tracer.vx);
  }
  Region classify(int x, int y) const override {
    return static_cast<Region>(
        rows.classify(x, y, [this](int px, int py) { return frontClass(px, py); }));
  }

  // Tracers below the trailing edge's row are never behind this front.
  bool reaches(double y) const { return !(y > originY); }
  // The zone pass over any range of tracers, in its order.
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    for (Tracer& tracer : tracers) deflect(tracer);
  }

 private:
  // The rule itself: -1 ahead of the front, 1 behind it.
  int frontClass(int x, int y) const {
    const double dy = static_cast<double>(static_cast<std::int64_t>(originY) - y);
    const double dx = static_cast<double>(static_cast<std::int64_t>(originX) - x);
    const double r = std::sqrt(dy * dy + dx * dx);
    const double xs = originX + r * frontSine;
    return 1 - 2 * static_cast<int>(xs > x);
  }

  double frontSine = 0.0;  // sin(alpha - beta), as of the last configuration
  FrontRows rows;          // the rule's answer by row, for the zone pass
};
