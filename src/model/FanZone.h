// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two expansion fans share: two straight rays from a plate edge
// between which the flow turns, its velocity and state blended linearly in the
// polar angle. The lower fan (LowerFan.h) turns the gas behind the trailing
// edge back to the horizontal; the upper fan (UpperFan.h) turns the free
// stream at the leading edge to run along the plate.
//
// A fan remembers the velocity of the first tracer to leave it after each
// configuration (the exit latch) and the class of the last tracer it looked
// at, and keeps sampling scratch between valueAt calls: the order in which
// tracers and queries reach a fan is part of its behaviour.

#include <cstdint>

#include "model/FlowZone.h"
#include "model/Tracer.h"
#include "model/zonepass/ExitLatch.h"
#include "model/zonepass/FanRows.h"

class FanZone : public FlowZone {
 public:
  using FlowZone::FlowZone;

  // Every fan forgets its exit velocity here.
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  // Upstream left of the first ray, inside between the rays, behind right of the last.
  Region classify(int x, int y) const override {
    return static_cast<Region>(
        FanRows::classOf(x, rows.columnsAt(y, [this](int row) { return crossingsOf(row); })));
  }
  double valueAt(ValueCode code, int x, int y, double fallback) override;
  void draw(Canvas& canvas) const override;

  // Marks a remembered exit velocity component as not yet set (2^32 - 1).
  static constexpr double kUnset = ExitLatch::kUnset;

  double firstRayAngle = 0.0;      // radians; the gas enters across this ray
  double lastRayAngle = 0.0;       // radians; the gas leaves across this ray
  std::int32_t previousClass = 0;  // class of the tracer the latch examined before this one
  double exitVx = 0.0;             // remembered exit velocity, pixels per step, or kUnset
  double exitVy = 0.0;             // pixels per step, or kUnset
  std::int32_t currentClass = 0;   // class of the tracer being examined
  double lastValue = 0.0;          // sampling scratch: the last blended value
  double lastChange = 0.0;         // sampling scratch: the change across the whole fan

 protected:
  // Where the two rays cross picture row y, as each fan computes it from its
  // origin and ray tangents.
  virtual FanRows::Crossings crossingsOf(int y) const = 0;
  struct Velocity {
    double vx;  // pixels per step
    double vy;  // pixels per step
  };
  // The blended velocity at a point inside the fan, as each fan turns it.
  virtual Velocity blendedVelocity(double x, double y) const = 0;
  // Gives a tracer inside the fan the blended velocity at its position.
  void turnInside(Tracer& tracer) const {
    const Velocity v = blendedVelocity(tracer.x, tracer.y);
    tracer.vx = v.vx;
    tracer.vy = v.vy;
  }
  // Polar angle of (x, y) about the origin in the fan's own sense of rotation.
  double polarAngle(double x, double y) const;
  struct Blend {
    double along;   // m/s
    double across;  // m/s
  };
  // The velocity that the linear blend from the entry components on the
  // first ray to the exit components on the last gives at polar angle beta.
  Blend blend(double beta) const {
    return {alongBase + alongSlope * beta / rayGap, acrossBase + acrossSlope * beta / rayGap};
  }
  // Fixes the blend's terms that depend only on the rays and the entry and
  // exit velocity components, m/s.
  void prepareBlend(double entryAlong, double entryAcross, double exitAlong, double exitAcross);

  // The exit latch as a run of tracers works on it, and back.
  ExitLatch latchState() const { return {previousClass, currentClass, exitVx, exitVy}; }
  void keep(const ExitLatch& latch) {
    previousClass = latch.previousClass;
    currentClass = latch.anyReached ? latch.previousClass : latch.currentClass;
    exitVx = latch.exitVx;
    exitVy = latch.exitVy;
  }

  // Fixed for a configuration, and on every tracer's path: the tangents of
  // the two rays' angles as classify uses them, and the blend's terms.
  double firstRayTangent = 0.0;
  double lastRayTangent = 0.0;
  double rayGap = 0.0;       // first minus last ray angle, radians
  double alongBase = 0.0;    // m/s
  double alongSlope = 0.0;   // entry minus exit component, m/s
  double acrossBase = 0.0;   // m/s
  double acrossSlope = 0.0;  // m/s
  FanRows rows;              // the rays' crossings by row, for the zone pass
};
