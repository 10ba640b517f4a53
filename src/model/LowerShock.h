// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The oblique shock at the leading edge, below the plate: it turns the free
// stream along the plate and compresses it by 1 + alpha/pi.
//
// The front leaves the leading edge at beta = 0.6 alpha + pi/5.2 to the plate
// (at most pi/2). A tracer that reaches it while still moving horizontally and
// untouched turns, once, to run along the plate at its own speed.

#include <cmath>

#include "model/ShockZone.h"
#include "model/Tracer.h"

class LowerShock final : public ShockZone {
 public:
  using ShockZone::ShockZone;

  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  // Inline: the zone pass runs it for ten thousand tracers a tick.
  void deflect(Tracer& tracer) override {
    // A tracer turns here once, in the step it meets the front: the test is
    // computed whole, so that the one branch is on that rare event.
    const double xf = originX + (tracer.y - originY) / frontTangent;
    const int atFront = !(xf > 0) | !(std::abs(tracer.x - xf) > tracer.vx);
    const int turns = static_cast<int>(!tracer.turned) & static_cast<int>(tracer.vy == 0) &
                      static_cast<int>(reaches(tracer.y)) & atFront;
    if (turns != 0) [[unlikely]] {
      tracer.vy = turnVy;
      tracer.vx = turnVx;
      tracer.turned = true;
    }
  }
  // Upstream left of where the front crosses the row, behind it elsewhere.
  Region classify(int x, int y) const override;
  void draw(Canvas& canvas) const override;

  // Only tracers below the leading edge's row can meet the front.
  bool reaches(double y) const { return !(y <= originY); }
  // The zone pass over any range of tracers, in its order.
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    for (Tracer& tracer : tracers) deflect(tracer);
  }

 private:
  double frontTangent = 0.0;  // tan(alpha + beta), as of the last configuration
  double turnVx = 0.0;        // pixels per step: along the plate at the upstream speed
  double turnVy = 0.0;
};
