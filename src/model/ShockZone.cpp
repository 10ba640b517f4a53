// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ShockZone.h"

#include <cmath>

#include "canvas/Canvas.h"
#include "model/FlowModel.h"
#include "model/Truncate.h"
#include "numeric/Elementary.h"

namespace {
constexpr double kTwoOverGammaPlusOne = 0.83333333333333337;       // 2/(gamma+1), gamma = 1.4
constexpr double kGammaMinusOneOverPlusOne = 0.16666666666666663;  // 1 - 2/(gamma+1)
constexpr double kInversePi = 0.31830988618379069;
constexpr double kLowerSpeedFactor = 1.5;
}  // namespace

void ShockZone::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                          int halfLength_, double pressure, double temperature, double velocity) {
  FlowZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                      temperature, velocity);
  const double c = upstream.soundSpeed;
  const double v = upstream.velocity;
  const double c2 = c * c;
  const double v2 = v * v;
  criticalSpeed = std::sqrt(c2 * kTwoOverGammaPlusOne + v2 * kGammaMinusOneOverPlusOne);
  const double a2 = criticalSpeed * criticalSpeed;
  // Prandtl's relation V u = a*^2 gives the speed behind a normal shock.
  normalSpeed = (1 / v) * a2;
  const double u = normalSpeed;
  double q = (u * v - a2) * ((v - u) * (v - u)) / ((a2 - u * v) + kTwoOverGammaPlusOne * v2);
  // The rounding residue of u V - a*^2 may be slightly negative.
  if (q < 0) q = 0;
  crossSpeed = std::sqrt(q);
}

double ShockZone::valueAt(ValueCode code, int x, int y, double fallback) {
  const Region region = classify(x, y);
  if (x != kDownstream && region == kUpstream) return fallback;
  switch (code) {
    case ValueCode::T:
    case ValueCode::P:
    case ValueCode::R:
      // Behind the lower shock the gas is compressed by 1 + alpha/pi; behind
      // the upper one it is back at the free stream.
      return lowerSide ? fallback * (1 + plateAngle * kInversePi) : model.freeStreamValue(code);
    case ValueCode::V:
    case ValueCode::f:
      return lowerSide ? kLowerSpeedFactor *
                             std::sqrt(normalSpeed * normalSpeed + crossSpeed * crossSpeed)
                       : model.velocity * std::abs(numeric::cos(plateAngle + frontAngle));
    case ValueCode::r:
      return lowerSide ? 0.0 : model.velocity * std::abs(numeric::sin(plateAngle + frontAngle));
  }
  return fallback;
}

void ShockZone::draw(Canvas& canvas) const {
  if (plateAngle < kMinDrawAngle) return;
  canvas.selectPen(frontPen);
  canvas.moveTo(originX, originY);
  const double phi = plateAngle - frontAngle;
  const double d = static_cast<double>(frontLength());
  canvas.lineTo(truncToInt(originX + d * numeric::sin(phi)),
                truncToInt(originY - d * numeric::cos(phi)));
}
