// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The expansion fan at the trailing edge, below the plate: it turns the gas
// that ran along the plate back to the horizontal and brings it back to the
// free-stream state and speed.
//
// Its first ray leaves the trailing edge at alpha + mu (mu the Mach angle of
// the gas behind the lower shock), its last ray 2/3 alpha nearer the
// horizontal. Tracers leave it horizontally.

#include <bit>
#include <cstdint>
#include <span>

#include "model/FanZone.h"
#include "model/Truncate.h"
#include "platform/Compat.h"

class LowerFan final : public FanZone {
 public:
  using FanZone::FanZone;

  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  void deflect(Tracer& tracer) override { deflectAll(std::span<Tracer>(&tracer, 1)); }

  // Only tracers at or below the trailing edge's row reach the lower fan.
  bool reaches(double y) const { return !(y - originY < 0); }
  // The deflect of any range of tracers, in its order, inline for the zone
  // pass. The test is computed whole, as for the shocks, and only the turn
  // inside the fan, rare and costly, is branched to.
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    ExitLatch latch = latchState();
    for (Tracer& tracer : tracers) {
      const bool reached = reaches(tracer.y);
      // Tracers leave the lower fan horizontally. Once set, it stays set, so
      // this branch is almost never taken.
      if (reached & (compat::bit_cast<std::uint64_t>(latch.exitVy) != 0)) [[unlikely]] {
        latch.exitVy = 0.0;
      }
      const int c = FanZone::classify(truncToInt(tracer.x), truncToInt(tracer.y));
      if (latch.run(tracer, reached, c) == kInside) turnInside(tracer);
    }
    keep(latch);
  }

 private:
  FanRows::Crossings crossingsOf(int y) const override {
    const double dy = static_cast<double>(static_cast<std::int64_t>(y) - originY);
    return {originX + dy / firstRayTangent, originX + dy / lastRayTangent};
  }
  Velocity blendedVelocity(double x, double y) const override;
};
