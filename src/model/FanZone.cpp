// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FanZone.h"

#include <cmath>
#include <numbers>

#include "canvas/Canvas.h"
#include "model/FlowModel.h"
#include "model/Truncate.h"
#include "numeric/Elementary.h"

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kInversePi = 0.31830988618379069;
// Speed lost per radian of turn when the probe splits the speed into V_phi and V_r, m/s.
constexpr double kComponentSlope = 100;
}  // namespace

void FanZone::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                        int halfLength_, double pressure, double temperature, double velocity) {
  FlowZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                      temperature, velocity);
  // The next tracer to leave the fan defines the exit velocity anew.
  exitVx = kUnset;
  exitVy = kUnset;
  currentClass = kUpstream;
}

double FanZone::valueAt(ValueCode code, int x, int y, double fallback) {
  int region = classify(x, y);
  if (x == kDownstream) {
    region = kBehind;
  } else if (region == kUpstream) {
    return fallback;
  }
  // Behind the fan every point has the last ray's value.
  const double phi =
      region == kBehind ? lastRayAngle : polarAngle(static_cast<double>(x), static_cast<double>(y));
  const double delta = phi - firstRayAngle;
  const double width = lastRayAngle - firstRayAngle;
  // A zero fallback leaves the scratch of the previous query in place (a NaN
  // fallback does not).
  if (fallback != 0) {
    const double target =
        lowerSide ? model.freeStreamValue(code) : fallback / (plateAngle * kInversePi + 1.0);
    lastChange = fallback - target;
    lastValue = fallback - delta * lastChange / width;
  }
  if (code == ValueCode::f || code == ValueCode::r) {
    // Through the upper fan the speed grows while pressure falls.
    if (!lowerSide) lastValue = fallback + delta * lastChange / width;
    const double u = lastValue - kComponentSlope * std::abs(delta);
    const double w = std::sqrt(lastValue * lastValue - u * u);
    return code == ValueCode::f ? u : w;
  }
  return lastValue;
}

void FanZone::draw(Canvas& canvas) const {
  if (plateAngle < kMinDrawAngle) return;
  canvas.selectPen(frontPen);
  const double d = static_cast<double>(frontLength());
  for (const double theta : {firstRayAngle, lastRayAngle}) {
    canvas.moveTo(originX, originY);
    canvas.lineTo(truncToInt(originX + d * numeric::cos(theta)),
                  truncToInt(originY + d * numeric::sin(theta)));
  }
}

double FanZone::polarAngle(double x, double y) const {
  if (lowerSide) {
    if (x > originX) return numeric::atan((y - originY) / (x - originX));
    return kPi - numeric::atan(std::abs(y - originY) / std::abs(x - originX));
  }
  if (x > originX) return -numeric::atan((originY - y) / (x - originX));
  return -(kPi - numeric::atan(std::abs(originY - y) / std::abs(x - originX)));
}

void FanZone::prepareBlend(double a, double a2, double b, double b2) {
  const double t1 = firstRayAngle;
  const double t2 = lastRayAngle;
  rayGap = t1 - t2;
  alongBase = (b * t1 - a * t2) / (t1 - t2);
  alongSlope = a - b;
  acrossBase = (b2 * t1 - a2 * t2) / (t1 - t2);
  acrossSlope = a2 - b2;
}
