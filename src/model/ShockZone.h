#pragma once
// The oblique shocks: the lower one at the leading edge compresses the free
// stream and turns it along the plate; the upper one at the trailing edge
// returns the gas to the free-stream state and direction.

#include "model/FlowZone.h"
#include "model/Tracer.h"
#include "model/Truncate.h"

#include <cmath>

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

  // Only an untouched tracer below the leading edge's row can meet the front.
  void deflect(Tracer& tracer) override {
    // Which tracers turn is unpredictable from one tracer to the next, so
    // the test is computed whole and the new velocity selected, not branched to.
    const double xf = originX + (tracer.y - originY) / frontTangent;
    const bool atFront = !(xf > 0) | !(std::abs(tracer.x - xf) > tracer.vx);
    const bool turn = !tracer.turned & (tracer.vy == 0) & !(tracer.y <= originY) & atFront;
    tracer.vy = turn ? turnVy : tracer.vy;
    tracer.vx = turn ? turnVx : tracer.vx;
    tracer.turned = tracer.turned | turn;
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
  void deflect(Tracer& tracer) override {
    const bool turn =
        !(tracer.y > originY) & (classify(truncToInt(tracer.x), truncToInt(tracer.y)) > 0);
    tracer.vy = turn ? 0 : tracer.vy;
    tracer.vx = turn ? model.velocity * kPixelsPerStepPerMs : tracer.vx;
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  int classify(int x, int y) const override;

 private:
  double frontSine = 0.0;  // sin(alpha - beta), as of the last configuration
};
