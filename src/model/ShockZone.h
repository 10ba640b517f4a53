// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two oblique shocks share: the critical speed and the normal-shock
// speeds of the entering gas, the drawn front, and the state behind the front.
// The lower shock (LowerShock.h) compresses the free stream at the leading edge
// and turns it along the plate; the upper one (UpperShock.h) returns the gas to
// the free-stream state and direction at the trailing edge.

#include "model/FlowZone.h"

class ShockZone : public FlowZone {
 public:
  using FlowZone::FlowZone;

  void configure(int originX, int originY, bool lowerSide, double plateAngle, int halfLength,
                 double pressure, double temperature, double velocity) override;
  double valueAt(ValueCode code, int x, int y, double fallback) override;
  void draw(Canvas& canvas) const override;

  // Fixes the direction of the front; each shock has its own rule, radians.
  double frontAngle = 0.0;
  double criticalSpeed = 0.0;  // a* of the upstream gas, m/s
  double normalSpeed = 0.0;    // speed behind a normal shock, a*^2 / V, m/s
  double crossSpeed = 0.0;     // shock polar at the normal-shock point (zero up to rounding), m/s

 protected:
  // Both front-angle formulas grow with the plate angle at this slope.
  static constexpr double kFrontSlope = 0.60000000000000009;
};
