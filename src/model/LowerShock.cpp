// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LowerShock.h"

#include <cmath>
#include <cstdint>

#include "canvas/Canvas.h"
#include "model/Truncate.h"
#include "numeric/Elementary.h"

namespace {
constexpr double kLowerFrontAtZero = 0.60415243338265245;  // pi/5.2
constexpr double kHalfPi = 1.5707963267948966;
}  // namespace

void LowerShock::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                           int halfLength_, double pressure, double temperature, double velocity) {
  ShockZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                       temperature, velocity);
  frontAngle = plateAngle * kFrontSlope + kLowerFrontAtZero;
  if (frontAngle > kHalfPi) frontAngle = kHalfPi;
  frontTangent = numeric::tan(plateAngle + frontAngle);
  const double v = upstream.velocity;
  turnVy = numeric::sin(plateAngle) * v * kPixelsPerStepPerMs;
  turnVx = numeric::cos(plateAngle) * v * kPixelsPerStepPerMs;
}

FlowZone::Region LowerShock::classify(int x, int y) const {
  // Where the front crosses row y.
  const double dy = static_cast<double>(static_cast<std::int64_t>(y) - originY);
  const double xf = originX + dy / frontTangent;
  // A row whose crossing lies at or left of the picture's left border counts
  // as wholly behind the shock.
  if (xf > 0 && x < xf) return kUpstream;
  return kBehind;
}

void LowerShock::draw(Canvas& canvas) const {
  if (plateAngle < kMinDrawAngle) return;
  canvas.selectPen(frontPen);
  canvas.moveTo(originX, originY);
  const double phi = plateAngle + frontAngle;
  const double d = static_cast<double>(frontLength());
  canvas.lineTo(truncToInt(originX + d * numeric::cos(phi)),
                truncToInt(originY + d * numeric::sin(phi)));
}
