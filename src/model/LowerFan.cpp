// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LowerFan.h"

#include <cmath>
#include <numbers>

#include "model/FlowModel.h"
#include "numeric/Elementary.h"

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kTwoThirds = 0.66666666666666663;
}  // namespace

void LowerFan::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                         int halfLength_, double pressure, double temperature, double velocity) {
  FanZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                     temperature, velocity);
  // A subsonic entry has no Mach angle: the rays become NaN and every
  // comparison with them fails.
  const double mu = numeric::asin(1 / upstream.mach);
  firstRayAngle = plateAngle + mu;
  lastRayAngle = firstRayAngle - plateAngle * kTwoThirds + 0.00001;
  // The gas leaves at the free-stream speed.
  upstream.velocity = model.velocity;
  firstRayTangent = numeric::tan(firstRayAngle);
  lastRayTangent = numeric::tan(lastRayAngle);
  if (model.keepsRowTables()) {
    rows.fill(model.viewHeight, [this](int y) { return crossingsOf(y); });
  } else {
    rows.clear();
  }
  // Along the plate on the first ray, horizontal on the last.
  const double v = upstream.velocity;
  prepareBlend(-v * numeric::cos(plateAngle + kPi - firstRayAngle),
               v * numeric::sin(plateAngle + kPi - firstRayAngle), v * numeric::cos(lastRayAngle),
               v * numeric::sin(lastRayAngle));
}

FanZone::Velocity LowerFan::blendedVelocity(double x, double y) const {
  const double beta = polarAngle(x, y);
  const Blend e = blend(beta);
  return {(e.along * numeric::cos(beta) + e.across * numeric::sin(beta)) * kPixelsPerStepPerMs,
          (e.along * numeric::sin(beta) - e.across * numeric::cos(beta)) * kPixelsPerStepPerMs};
}
