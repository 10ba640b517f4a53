#pragma once
// The expansion fans: two straight rays from a plate edge between which the
// flow turns, its velocity and state blended linearly in the polar angle.
//
// A fan remembers the velocity of the first tracer to leave it after each
// configuration (the exit latch) and the class of the last tracer it looked
// at, and keeps sampling scratch between valueAt calls: the order in which
// tracers and queries reach a fan is part of its behaviour.

#include <cstdint>

#include "model/FlowZone.h"
#include "model/Tracer.h"

class FanZone : public FlowZone {
 public:
  using FlowZone::FlowZone;

  // The exit latch: gives every tracer that leaves the fan after another one
  // the common exit velocity. The concrete fans run it inside their own turn.
  void deflect(Tracer& tracer) override;
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  void draw(Canvas& canvas) const override;
  double valueAt(ValueCode code, int x, int y, double fallback) override;

  // Marks a remembered exit velocity component as not yet set (2^32 - 1).
  static constexpr double kUnset = 4294967295.0;

  double firstRayAngle = 0.0;      // radians; the gas enters across this ray
  double lastRayAngle = 0.0;       // radians; the gas leaves across this ray
  std::int32_t previousClass = 0;  // class of the tracer the latch examined before this one
  double exitVx = 0.0;             // remembered exit velocity, pixels per step, or kUnset
  double exitVy = 0.0;             // pixels per step, or kUnset
  std::int32_t currentClass = 0;   // class of the tracer being examined
  double lastValue = 0.0;          // sampling scratch: the last blended value
  double lastChange = 0.0;         // sampling scratch: the change across the whole fan

 protected:
  // The exit latch for a tracer that classify placed in class c.
  void latch(Tracer& tracer, int c);
  // Polar angle of (x, y) about the origin in the fan's own sense of rotation.
  double polarAngle(double x, double y) const;
  // The velocity that the linear blend gives at polar angle beta, in m/s,
  // from entry components (a, a2) on the first ray to (b, b2) on the last.
  struct Blend {
    double along;
    double across;
  };
  Blend blend(double a, double a2, double b, double b2, double beta) const;

  // Fixed for a configuration, and on every tracer's path: the tangents of
  // the two rays' angles as classify uses them, and the entry and exit
  // velocity components of the turn, m/s.
  double firstRayTangent = 0.0;
  double lastRayTangent = 0.0;
  double entryAlong = 0.0;
  double entryAcross = 0.0;
  double exitAlong = 0.0;
  double exitAcross = 0.0;
};

// As for the shocks, the position test that most tracers fail is inline.
class LowerFan final : public FanZone {
 public:
  using FanZone::FanZone;

  // Only tracers at or below the trailing edge's row reach the lower fan.
  void deflect(Tracer& tracer) override {
    if (tracer.y - originY < 0) return;
    turnInside(tracer);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  int classify(int x, int y) const override;

 private:
  void turnInside(Tracer& tracer);
};

class UpperFan final : public FanZone {
 public:
  using FanZone::FanZone;

  // Only tracers at or above the leading edge's row reach the upper fan.
  void deflect(Tracer& tracer) override {
    if (tracer.y > originY) return;
    turnInside(tracer);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  int classify(int x, int y) const override;

 private:
  void turnInside(Tracer& tracer);
};
