#pragma once
// The expansion fans: two straight rays from a plate edge between which the
// flow turns, its velocity and state blended linearly in the polar angle.
//
// A fan remembers the velocity of the first tracer to leave it after each
// configuration (the exit latch) and the class of the last tracer it looked
// at, and keeps sampling scratch between valueAt calls: the order in which
// tracers and queries reach a fan is part of its behaviour.

#include <bit>
#include <cstdint>
#include <span>

#include "model/FlowZone.h"
#include "model/RowTable.h"
#include "model/Select.h"
#include "model/Tracer.h"
#include "model/Truncate.h"

class FanZone : public FlowZone {
 public:
  using FlowZone::FlowZone;

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
  // The exit latch gives every tracer that leaves the fan after another one
  // the common exit velocity. A run over many tracers works on a copy, which
  // the compiler can keep in registers, and writes it back at the end.
  struct Latch {
    std::int32_t previousClass;
    std::int32_t currentClass;
    double exitVx;  // pixels per step, or kUnset
    double exitVy;  // pixels per step, or kUnset

    // The latch for a tracer in class c, when its row test let it reach the
    // fan; one that has not reached it leaves the fan and itself unchanged.
    // Returns c for a tracer that reached the fan, and 2 or 3 for one that did
    // not with c = 0 or 1, so the caller's test for the inside is one comparison.
    // Few tracers leave, so that test is a well-predicted branch; the class
    // update, made for every tracer, is selected.
    int run(Tracer& tracer, bool reached, int c) {
      const int seen = c | (static_cast<int>(!reached) << 1);
      // c != previousClass with c == 1, for a tracer that reached the fan,
      // written so that the compiler's first test is the rare one.
      const bool leaves = (seen == 1) & (previousClass != 1);
      if (leaves) [[unlikely]] {
        if (exitVx == kUnset) {
          // The first tracer to leave after a configuration defines the exit velocity.
          exitVx = tracer.vx;
          if (exitVy == kUnset) {
            exitVy = tracer.vy;
          } else {
            tracer.vy = exitVy;
          }
        } else {
          tracer.vx = exitVx;
          tracer.vy = exitVy;
          tracer.turned = true;
        }
      }
      previousClass = pick(reached, c, previousClass);
      anyReached = anyReached | reached;
      return seen;
    }
    bool anyReached = false;  // after one, currentClass equals previousClass
  };
  Latch latchState() const { return {previousClass, currentClass, exitVx, exitVy}; }
  void keep(const Latch& latch) {
    previousClass = latch.previousClass;
    currentClass = latch.anyReached ? latch.previousClass : latch.currentClass;
    exitVx = latch.exitVx;
    exitVy = latch.exitVy;
  }

  // Where the two rays cross a picture row, pixels.
  struct Crossings {
    double first;
    double last;
  };
  // The crossings as the whole pixel columns a classification compares
  // with: a whole x is left of `first` exactly when x < ceil(first), and right
  // of `last` when x > floor(last); a NaN crossing has nothing on either side.
  // Integer comparisons spare the zone pass a conversion per tracer.
  struct Columns {
    std::int64_t firstLeft;  // columns below this are left of the first ray
    std::int64_t lastRight;  // columns above this are right of the last ray
  };
  static Columns columnsOf(const Crossings& c);
  // -1 left of the first ray, 1 right of the last, 0 between; computed
  // without a branch, as which side a tracer is on is unpredictable.
  static int classOf(int x, const Columns& c) {
    const int left = x < c.firstLeft;
    const int right = x > c.lastRight;
    return (right & (left ^ 1)) - left;
  }
  // The crossings as each fan computes them from its origin and ray tangents.
  virtual Crossings crossingsOf(int y) const = 0;
  // They are the same for a whole configuration, so the rows tracers can be
  // in are looked up; other rows are computed.
  Columns columnsAt(int y) const {
    if (const Columns* c = rows.find(y)) [[likely]] {
      return *c;
    }
    return columnsOf(crossingsOf(y));
  }
  // Refills the row table after the rays have moved.
  void fillRows();

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

  // Fixed for a configuration, and on every tracer's path: the tangents of
  // the two rays' angles as classify uses them, and the blend's terms.
  double firstRayTangent = 0.0;
  double lastRayTangent = 0.0;
  double rayGap = 0.0;       // first minus last ray angle, radians
  double alongBase = 0.0;    // m/s
  double alongSlope = 0.0;   // entry minus exit component, m/s
  double acrossBase = 0.0;   // m/s
  double acrossSlope = 0.0;  // m/s

 private:
  RowTable<Columns> rows;  // for the rows tracers can be in
};

// As for the shocks, the zone pass runs inline.
class LowerFan final : public FanZone {
 public:
  using FanZone::FanZone;

  void deflect(Tracer& tracer) override { deflectAll(std::span<Tracer>(&tracer, 1)); }
  // Only tracers at or below the trailing edge's row reach the lower fan.
  bool reaches(double y) const { return !(y - originY < 0); }
  // The zone pass over any range of tracers, in its order. The test is
  // computed whole, as for the shocks, and only the turn inside the fan, rare
  // and costly, is branched to.
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    Latch latch = latchState();
    for (Tracer& tracer : tracers) {
      const bool reached = reaches(tracer.y);
      // Tracers leave the lower fan horizontally. Once set, it stays set, so
      // this branch is almost never taken.
      if (reached & (std::bit_cast<std::uint64_t>(latch.exitVy) != 0)) [[unlikely]] {
        latch.exitVy = 0.0;
      }
      const int c = LowerFan::classify(truncToInt(tracer.x), truncToInt(tracer.y));
      if (latch.run(tracer, reached, c) == 0) turnInside(tracer);
    }
    keep(latch);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  int classify(int x, int y) const override { return classOf(x, columnsAt(y)); }

 private:
  Crossings crossingsOf(int y) const override;
  Velocity blendedVelocity(double x, double y) const override;
};

class UpperFan final : public FanZone {
 public:
  using FanZone::FanZone;

  void deflect(Tracer& tracer) override { deflectAll(std::span<Tracer>(&tracer, 1)); }
  // Only tracers at or above the leading edge's row reach the upper fan.
  bool reaches(double y) const { return !(y > originY); }
  template <class Tracers>
  void deflectAll(Tracers&& tracers) {
    Latch latch = latchState();
    for (Tracer& tracer : tracers) {
      const bool reached = reaches(tracer.y);
      const int c = UpperFan::classify(truncToInt(tracer.x), truncToInt(tracer.y));
      if (latch.run(tracer, reached, c) == 0) turnInside(tracer);
    }
    keep(latch);
  }
  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  int classify(int x, int y) const override { return classOf(x, columnsAt(y)); }

 private:
  Crossings crossingsOf(int y) const override;
  Velocity blendedVelocity(double x, double y) const override;
};
