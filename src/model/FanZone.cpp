#include "model/FanZone.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/FlowModel.h"
#include "model/Tracer.h"
#include "model/Truncate.h"
#include "view/Canvas.h"

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kInversePi = 0.31830988618379069;
constexpr double kTwoThirds = 0.66666666666666663;
// Speed lost per radian of turn when the probe splits the speed into V_phi and V_r, m/s.
constexpr double kComponentSlope = 100;

double asDouble(std::int64_t v) {
  return static_cast<double>(v);
}
}  // namespace

void FanZone::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                        int halfLength_, double pressure, double temperature, double velocity) {
  FlowZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                      temperature, velocity);
  // The next tracer to leave the fan defines the exit velocity anew.
  exitVx = kUnset;
  exitVy = kUnset;
  currentClass = -1;
}

double FanZone::polarAngle(double x, double y) const {
  if (lowerSide) {
    if (x > originX) return std::atan((y - originY) / (x - originX));
    return kPi - std::atan(std::abs(y - originY) / std::abs(x - originX));
  }
  if (x > originX) return -std::atan((originY - y) / (x - originX));
  return -(kPi - std::atan(std::abs(originY - y) / std::abs(x - originX)));
}

void FanZone::fillRows() {
  rows.fill(model.viewHeight, [this](int y) { return columnsOf(crossingsOf(y)); });
}

FanZone::Columns FanZone::columnsOf(const Crossings& c) {
  // Clamped to one column beyond the 32-bit range, where every x agrees.
  const auto left = [](double first) {
    if (std::isnan(first)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::clamp(std::ceil(first), -2147483648.0, 2147483648.0));
  };
  const auto right = [](double last) {
    if (std::isnan(last)) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(std::clamp(std::floor(last), -2147483649.0, 2147483647.0));
  };
  return {left(c.first), right(c.last)};
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

void FanZone::draw(Canvas& canvas) const {
  if (plateAngle < kMinDrawAngle) return;
  canvas.selectPen(frontPen);
  const double d = static_cast<double>(frontLength());
  for (const double theta : {firstRayAngle, lastRayAngle}) {
    canvas.moveTo(originX, originY);
    canvas.lineTo(truncToInt(originX + d * std::cos(theta)),
                  truncToInt(originY + d * std::sin(theta)));
  }
}

double FanZone::valueAt(ValueCode code, int x, int y, double fallback) {
  int c = classify(x, y);
  if (x == kDownstream) {
    c = 1;
  } else if (c < 0) {
    return fallback;
  }
  // Behind the fan every point has the last ray's value.
  const double phi = c > 0 ? lastRayAngle : polarAngle(asDouble(x), asDouble(y));
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

void LowerFan::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                         int halfLength_, double pressure, double temperature, double velocity) {
  FanZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                     temperature, velocity);
  // A subsonic entry has no Mach angle: the rays become NaN and every
  // comparison with them fails.
  const double mu = std::asin(1 / upstream.mach);
  firstRayAngle = plateAngle + mu;
  lastRayAngle = firstRayAngle - plateAngle * kTwoThirds + 0.00001;
  // The gas leaves at the free-stream speed.
  upstream.velocity = model.velocity;
  firstRayTangent = std::tan(firstRayAngle);
  lastRayTangent = std::tan(lastRayAngle);
  fillRows();
  // Along the plate on the first ray, horizontal on the last.
  const double v = upstream.velocity;
  prepareBlend(-v * std::cos(plateAngle + kPi - firstRayAngle),
               v * std::sin(plateAngle + kPi - firstRayAngle), v * std::cos(lastRayAngle),
               v * std::sin(lastRayAngle));
}

FanZone::Crossings LowerFan::crossingsOf(int y) const {
  const double dy = asDouble(static_cast<std::int64_t>(y) - originY);
  return {originX + dy / firstRayTangent, originX + dy / lastRayTangent};
}

FanZone::Velocity LowerFan::blendedVelocity(double x, double y) const {
  const double beta = polarAngle(x, y);
  const Blend e = blend(beta);
  return {(e.along * std::cos(beta) + e.across * std::sin(beta)) * kPixelsPerStepPerMs,
          (e.along * std::sin(beta) - e.across * std::cos(beta)) * kPixelsPerStepPerMs};
}

void UpperFan::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                         int halfLength_, double pressure, double temperature, double velocity) {
  FanZone::configure(originX_, originY_, lowerSide_, plateAngle_, halfLength_, pressure,
                     temperature, velocity);
  const double mu = std::asin(1 / upstream.mach);
  firstRayAngle = -mu;
  lastRayAngle = plateAngle * 0.5 - mu - 0.0001;
  firstRayTangent = std::tan(std::abs(firstRayAngle));
  lastRayTangent = std::tan(std::abs(lastRayAngle));
  fillRows();
  // Horizontal on the first ray, along the plate on the last.
  const double v = upstream.velocity;
  prepareBlend(v * std::cos(-firstRayAngle), v * std::sin(-firstRayAngle),
               v * std::cos(plateAngle - lastRayAngle), v * std::sin(plateAngle - lastRayAngle));
}

FanZone::Crossings UpperFan::crossingsOf(int y) const {
  const double dy = asDouble(static_cast<std::int64_t>(originY) - y);
  return {originX + dy / firstRayTangent, originX + dy / lastRayTangent};
}

FanZone::Velocity UpperFan::blendedVelocity(double x, double y) const {
  const double beta = polarAngle(x, y);
  const Blend e = blend(beta);
  return {(e.along * std::cos(beta) - e.across * std::sin(beta)) * kPixelsPerStepPerMs,
          (e.along * std::sin(beta) + e.across * std::cos(beta)) * kPixelsPerStepPerMs};
}
