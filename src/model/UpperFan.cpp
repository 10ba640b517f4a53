// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/UpperFan.h"

#include <cmath>

#include "model/FlowModel.h"
#include "numeric/Elementary.h"

void UpperFan::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                         int halfLength_, double pressure, double temperature, double velocity) {
  FanZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                     temperature, velocity);
  const double mu = numeric::asin(1 / upstream.mach);
  firstRayAngle = -mu;
  lastRayAngle = plateAngle * 0.5 - mu - 0.0001;
  firstRayTangent = numeric::tan(std::abs(firstRayAngle));
  lastRayTangent = numeric::tan(std::abs(lastRayAngle));
  if (model.keepsRowTables()) {
    rows.fill(model.viewHeight, [this](int y) { return crossingsOf(y); });
  } else {
    rows.clear();
  }
  // Horizontal on the first ray, along the plate on the last.
  const double v = upstream.velocity;
  prepareBlend(v * numeric::cos(-firstRayAngle), v * numeric::sin(-firstRayAngle),
               v * numeric::cos(plateAngle - lastRayAngle),
               v * numeric::sin(plateAngle - lastRayAngle));
}

FanZone::Velocity UpperFan::blendedVelocity(double x, double y) const {
  const double beta = polarAngle(x, y);
  const Blend e = blend(beta);
  return {(e.along * numeric::cos(beta) - e.across * numeric::sin(beta)) * kPixelsPerStepPerMs,
          (e.along * numeric::sin(beta) + e.across * numeric::cos(beta)) * kPixelsPerStepPerMs};
}
