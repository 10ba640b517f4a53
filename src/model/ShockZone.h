#pragma once
// The oblique shocks: the lower one at the leading edge compresses the free
// stream and turns it along the plate; the upper one at the trailing edge
// returns the gas to the free-stream state and direction.

#include "model/FlowZone.h"
#include "model/RowTable.h"
#include "model/Select.h"
#include "model/Tracer.h"
#include "model/Truncate.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/FlowModel.h"

class ShockZone : public FlowZone {
 public:
  using FlowZone::FlowZone;

  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  void draw(Canvas& canvas) const override;
  double valueAt(ValueCode code, int x, int y, double fallback) override;

  // Fixes the direction of the front; each shock has its own rule, radians.
  double frontAngle = 0.0;
  double criticalSpeed = 0.0;  // a* of the upstream gas, m/s
  double normalSpeed = 0.0;    // speed behind a normal shock, a*^2 / V, m/s
  double crossSpeed = 0.0;     // shock polar at the normal-shock point (zero up to rounding), m/s

 protected:
  // Both front-angle formulas grow with the plate angle at this slope.
  static constexpr double kFrontSlope = 0.60000000000000009;
};

// The shocks' deflect operations are inline: the zone pass runs them for
// ten thousand tracers a tick.

class LowerShock final : public ShockZone {
 public:
  using ShockZone::ShockZone;

  // Only tracers below the leading edge's row can meet the front.
  bool reaches(double y) const { return !(y <= originY); }
  // Of those, only an untouched one turns.
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
  // Any range of tracers, in its order.
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    for (Tracer& tracer : tracers) deflect(tracer);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  void draw(Canvas& canvas) const override;
  int classify(int x, int y) const override;

 private:
  double frontTangent = 0.0;  // tan(alpha + beta), as of the last configuration
  double turnVx = 0.0;        // pixels per step: along the plate at the upstream speed
  double turnVy = 0.0;
};

class UpperShock final : public ShockZone {
 public:
  explicit UpperShock(const FlowModel& model);

  // Tracers below the trailing edge's row are never behind this front.
  bool reaches(double y) const { return !(y > originY); }
  void deflect(Tracer& tracer) override {
    // Both tests made whole, as which way they go is unpredictable.
    const bool behind =
        (static_cast<int>(reaches(tracer.y)) &
         static_cast<int>(classify(truncToInt(tracer.x), truncToInt(tracer.y)) > 0)) != 0;
    tracer.vy = pick(behind, 0.0, tracer.vy);
    tracer.vx = pick(behind, model.velocity * kPixelsPerStepPerMs, tracer.vx);
  }
  // Any range of tracers, in its order.
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    for (Tracer& tracer : tracers) deflect(tracer);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  // Behind the front when the front point at the same distance from the
  // trailing edge lies left of x. Away from the row's change of answer the
  // row's bounds give it; within them it is computed.
  int classify(int x, int y) const override {
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
  int frontClass(int x, int y) const {
    const double dy = static_cast<double>(static_cast<std::int64_t>(originY) - y);
    const double dx = static_cast<double>(static_cast<std::int64_t>(originX) - x);
    const double r = std::sqrt(dy * dy + dx * dx);
    const double xs = originX + r * frontSine;
    return 1 - 2 * static_cast<int>(xs > x);
  }
  void fillBounds();

  double frontSine = 0.0;  // sin(alpha - beta), as of the last configuration
  RowTable<Bounds> rows;
};
