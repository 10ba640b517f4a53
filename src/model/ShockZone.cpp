#include "model/ShockZone.h"

#include <cmath>

#include "model/FlowModel.h"
#include "model/Tracer.h"
#include "model/Truncate.h"
#include "view/Canvas.h"

namespace {
constexpr double kTwoOverGammaPlusOne = 0.83333333333333337;       // 2/(gamma+1), gamma = 1.4
constexpr double kGammaMinusOneOverPlusOne = 0.16666666666666663;  // 1 - 2/(gamma+1)
constexpr double kLowerFrontAtZero = 0.60415243338265245;          // pi/5.2
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPerVelocity = 0.0022222222222222222;  // 1/450, per m/s
constexpr double kThirdPi = 1.0471975511965976;
constexpr double kEighthPi = 0.39269908169872414;
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

void ShockZone::draw(Canvas& canvas) const {
  if (plateAngle < kMinDrawAngle) return;
  canvas.selectPen(frontPen);
  canvas.moveTo(originX, originY);
  const double phi = plateAngle - frontAngle;
  const double d = static_cast<double>(frontLength());
  canvas.lineTo(truncToInt(originX + d * std::sin(phi)), truncToInt(originY - d * std::cos(phi)));
}

double ShockZone::valueAt(ValueCode code, int x, int y, double fallback) {
  const int c = classify(x, y);
  if (x != kDownstream && c < 0) return fallback;
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
                       : model.velocity * std::abs(std::cos(plateAngle + frontAngle));
    case ValueCode::r:
      return lowerSide ? 0.0 : model.velocity * std::abs(std::sin(plateAngle + frontAngle));
  }
  return fallback;
}

void LowerShock::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                           int halfLength_, double pressure, double temperature, double velocity) {
  ShockZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                       temperature, velocity);
  frontAngle = plateAngle * kFrontSlope + kLowerFrontAtZero;
  if (frontAngle > kHalfPi) frontAngle = kHalfPi;
  frontTangent = std::tan(plateAngle + frontAngle);
  const double v = upstream.velocity;
  turnVy = std::sin(plateAngle) * v * kPixelsPerStepPerMs;
  turnVx = std::cos(plateAngle) * v * kPixelsPerStepPerMs;
}

int LowerShock::classify(int x, int y) const {
  // Where the front crosses row y.
  const double dy = static_cast<double>(static_cast<std::int64_t>(y) - originY);
  const double xf = originX + dy / frontTangent;
  // A row whose crossing lies at or left of the picture's left border counts
  // as wholly behind the shock.
  if (xf > 0 && x < xf) return -1;
  return 1;
}

void LowerShock::draw(Canvas& canvas) const {
  if (plateAngle < kMinDrawAngle) return;
  canvas.selectPen(frontPen);
  canvas.moveTo(originX, originY);
  const double phi = plateAngle + frontAngle;
  const double d = static_cast<double>(frontLength());
  canvas.lineTo(truncToInt(originX + d * std::cos(phi)), truncToInt(originY + d * std::sin(phi)));
}

UpperShock::UpperShock(const FlowModel& model) : ShockZone(model) {
  frontAngle = -0.52359877559829882;  // -pi/6 until the first configuration
}

void UpperShock::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                           int halfLength_, double pressure, double temperature, double velocity) {
  ShockZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                       temperature, velocity);
  // A faster free stream tilts the front further downstream.
  frontAngle =
      (1 - model.velocity * kPerVelocity) * kThirdPi + plateAngle * kFrontSlope - kEighthPi;
  frontSine = std::sin(plateAngle - frontAngle);
  fillBounds();
}

void UpperShock::fillBounds() {
  // Along a row, with a = x - originX and s = frontSine, the test compares
  // s sqrt(dy^2 + a^2) with a: their difference falls with a by at least
  // 1 - |s| per pixel and vanishes at a = s |dy| / sqrt(1 - s^2). Outside
  // the bounds a is at least three pixels from there, so the difference is
  // at least 3 (1 - |s|), which for |s| up to kMaxSine dwarfs the rounding of
  // the test (below 2^-16 pixels wherever 32-bit coordinates can put it): the
  // bound's answer is the computed one.
  constexpr double kMaxSine = 0.9999;
  const double s = frontSine;
  if (!(std::abs(s) <= kMaxSine)) {
    rows.clear();
    return;
  }
  const double k = s / std::sqrt(1 - s * s);
  rows.fill(model.viewHeight, [&](int y) {
    const double a = k * std::abs(static_cast<double>(std::int64_t{originY} - y));
    return Bounds{originX + static_cast<std::int64_t>(std::floor(a)) - 2,
                  originX + static_cast<std::int64_t>(std::ceil(a)) + 2};
  });
}
