// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The expansion fan at the leading edge, above the plate: it turns the free
// stream to run along the plate, the speed growing as the pressure falls.
//
// Its first ray leaves the leading edge at -mu (mu the free stream's Mach
// angle), its last ray at alpha/2 - mu.

#include <cstdint>
#include <span>

#include "model/FanZone.h"
#include "model/Truncate.h"

class UpperFan final : public FanZone {
 public:
  using FanZone::FanZone;

  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  void deflect(Tracer& tracer) override { deflectAll(std::span<Tracer>(&tracer, 1)); }

  // Only tracers at or above the leading edge's row reach the upper fan.
  bool reaches(double y) const { return !(y > originY); }
  // The deflect of any range of tracers, in its order, inline for the zone pass.
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    ExitLatch latch = latchState();
    for (Tracer& tracer : tracers) {
      const bool reached = reaches(tracer.y);
      const int c = FanZone::classify(truncToInt(tracer.x), truncToInt(tracer.y));
      if (latch.run(tracer, reached, c) == kInside) turnInside(tracer);
    }
    keep(latch);
  }

 private:
  FanRows::Crossings crossingsOf(int y) const override {
    const double dy = static_cast<double>(static_cast<std::int64_t>(originY) - y);
    return {originX + dy / firstRayTangent, originX + dy / lastRayTangent};
  }
  Velocity blendedVelocity(double x, double y) const override;
};
