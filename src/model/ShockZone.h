#pragma once
// The oblique shocks: the lower one at the leading edge compresses the free
// stream and turns it along the plate; the upper one at the trailing edge
// returns the gas to the free-stream state and direction.

#include "model/FlowZone.h"
#include "model/Tracer.h"

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

// The zones' deflect operations open with a cheap test of the tracer's
// position that most tracers fail; it is inline so that the zone pass over
// ten thousand tracers pays for a call only where there is work.

class LowerShock final : public ShockZone {
 public:
  using ShockZone::ShockZone;

  // Only an untouched tracer below the leading edge's row can meet the front.
  void deflect(Tracer& tracer) override {
    if (tracer.turned || tracer.vy != 0) return;
    if (tracer.y <= originY) return;
    turnAtFront(tracer);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  void draw(Canvas& canvas) const override;
  int classify(int x, int y) const override;

 private:
  void turnAtFront(Tracer& tracer);

  double frontTangent = 0.0;  // tan(alpha + beta), as of the last configuration
};

class UpperShock final : public ShockZone {
 public:
  explicit UpperShock(const FlowModel& model);

  // Tracers below the trailing edge's row are never behind this front.
  void deflect(Tracer& tracer) override {
    if (tracer.y > originY) return;
    turnBehindFront(tracer);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  int classify(int x, int y) const override;

 private:
  void turnBehindFront(Tracer& tracer);

  double frontSine = 0.0;  // sin(alpha - beta), as of the last configuration
};
