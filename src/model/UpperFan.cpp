// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/UpperFan.h"

#include <cmath>

#include "model/FlowModel.h"

void UpperFan::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                         int halfLength_, double pressure, double temperature, double velocity) {
  FanZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                     temperature, velocity);
  const double mu = std::asin(1 / upstream.mach);
  firstRayAngle = -mu;
  lastRayAngle = plateAngle * 0.5 - mu - 0.0001;
  firstRayTangent = std::tan(std::abs(firstRayAngle));
  lastRayTangent = std::tan(std::abs(lastRayAngle));
  if (model.keepsRowTables()) {
    rows.fill(model.viewHeight, [this](int y) { return crossingsOf(y); });
  } else {
    rows.clear();
  }
  // Horizontal on the first ray, along the plate on the last.
  const double v = upstream.velocity;
  prepareBlend(v * std::cos(-firstRayAngle), v * std::sin(-firstRayAngle),
               v * std::cos(plateAngle - lastRayAngle), v * std::sin(plateAngle - lastRayAngle));
}

FanZone::Velocity UpperFan::blendedVelocity(double x, double y) const {
  const double beta = polarAngle(x, y);
  const Blend e = blend(beta);
  return {(e.along * std::cos(beta) - e.across * std::sin(beta)) * kPixelsPerStepPerMs,
          (e.along * std::sin(beta) + e.across * std::cos(beta)) * kPixelsPerStepPerMs};
}
