// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/UpperShock.h"

#include <cmath>

#include "numeric/Elementary.h"

namespace {
constexpr double kPerVelocity = 0.0022222222222222222;  // 1/450, per m/s
constexpr double kThirdPi = 1.0471975511965976;
constexpr double kEighthPi = 0.39269908169872414;
constexpr double kFrontBeforeConfiguration = -0.52359877559829882;  // -pi/6
}  // namespace

UpperShock::UpperShock(const FlowModel& model) : ShockZone(model) {
  frontAngle = kFrontBeforeConfiguration;
}

void UpperShock::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                           int halfLength_, double pressure, double temperature, double velocity) {
  ShockZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                       temperature, velocity);
  // A faster free stream tilts the front further downstream.
  frontAngle =
      (1 - model.velocity * kPerVelocity) * kThirdPi + plateAngle * kFrontSlope - kEighthPi;
  frontSine = numeric::sin(plateAngle - frontAngle);
  if (model.keepsRowTables()) {
    rows.fill(model.viewHeight, originX, originY, frontSine);
  } else {
    rows.clear();
  }
}
