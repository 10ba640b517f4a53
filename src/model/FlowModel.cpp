// SPDX-License-Identifier: GPL-3.0-or-later
// The flow model's configuration and state: the picture, the plate, the
// free stream, and the zones configured from them.
#include "model/FlowModel.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/Truncate.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"
#include "numeric/Elementary.h"

namespace {
constexpr double kPi = std::numbers::pi;
}  // namespace

FlowModel::FlowModel() {
  auto lowerShock = std::make_unique<LowerShock>(*this);
  auto lowerFan = std::make_unique<LowerFan>(*this);
  auto upperFan = std::make_unique<UpperFan>(*this);
  auto upperShock = std::make_unique<UpperShock>(*this);
  own = {lowerShock.get(), lowerFan.get(), upperFan.get(), upperShock.get()};
  zones[kLowerShock] = std::move(lowerShock);
  zones[kLowerFan] = std::move(lowerFan);
  zones[kUpperFan] = std::move(upperFan);
  zones[kUpperShock] = std::move(upperShock);
}

FlowModel::~FlowModel() = default;

void FlowModel::setView(int width, int height) {
  viewWidth = width;
  viewHeight = height;
  // The centre is a whole pixel, rounded down for an odd size.
  centreX = static_cast<double>(width / 2);   // NOLINT(bugprone-integer-division)
  centreY = static_cast<double>(height / 2);  // NOLINT(bugprone-integer-division)
}

void FlowModel::followForProbing(const FlowModel& other) {
  rowTables = false;
  viewWidth = other.viewWidth;
  viewHeight = other.viewHeight;
  centreX = other.centreX;
  centreY = other.centreY;
  halfLength = other.halfLength;
  setFreeStream(other.velocity, other.temperature, other.pressure);
  setDensity(other.density);
}

bool FlowModel::isAbovePlate(int x, int y) const {
  const int xL = truncToInt(centreX - halfLength * numeric::cos(angle));
  const int xR = truncToInt(centreX + halfLength * numeric::cos(angle));
  if (x < xL) return centreY - halfLength * numeric::sin(angle) > y;
  if (x > xR) return centreY + halfLength * numeric::sin(angle) > y;
  const double d = x - centreX;
  // The plate's height over the centre at d.
  const double h = d > 0 ? -d * numeric::tan(angle) : d * numeric::tan(kPi - angle);
  return centreY - y > h;
}

void FlowModel::refreshLeadingEdge() const {
  leadingEdge = {angle,
                 centreX,
                 centreY,
                 halfLength,
                 centreX - halfLength * numeric::cos(angle),
                 centreY - halfLength * numeric::sin(angle)};
}

void FlowModel::reconfigure() {
  const int length = truncToInt(halfLength);
  const auto leadingX = [&] { return truncToInt(centreX - halfLength * numeric::cos(angle)); };
  const auto leadingY = [&] { return truncToInt(centreY - halfLength * numeric::sin(angle)); };
  const auto trailingX = [&] { return truncToInt(centreX + halfLength * numeric::cos(angle)); };
  const auto trailingY = [&] { return truncToInt(centreY + halfLength * numeric::sin(angle)); };
  // Each trailing-edge zone starts from the state far behind the leading-edge
  // zone of its side, asked for speed, temperature and pressure in that order.
  const auto chain = [&](FlowZone& from, FlowZone& to, bool lowerSide) {
    const double v = from.valueAt(ValueCode::V, kDownstream, 0, velocity);
    const double t = from.valueAt(ValueCode::T, kDownstream, 0, temperature);
    const double p = from.valueAt(ValueCode::P, kDownstream, 0, pressure);
    to.configure(trailingX(), trailingY(), lowerSide, angle, length, p, t, v);
  };
  zones[kLowerShock]->configure(leadingX(), leadingY(), true, angle, length, pressure, temperature,
                                velocity);
  chain(*zones[kLowerShock], *zones[kLowerFan], true);
  zones[kUpperFan]->configure(leadingX(), leadingY(), false, angle, length, pressure, temperature,
                              velocity);
  chain(*zones[kUpperFan], *zones[kUpperShock], false);
}

bool FlowModel::dragPlate(int buttons, int x, int y) {
  if ((buttons & 1) == 0) return false;
  const double dx = x - centreX;
  double dy = y - centreY;
  double r = std::sqrt(dx * dx + dy * dy);
  double alpha = 0;
  if (dx > 0) {
    // The trailing edge points at the mouse to the lower right.
    alpha = dy > 0 ? numeric::asin(dy / r) : 0;
  } else {
    // The leading edge points at the mouse to the upper left.
    if (dy > 0) dy = 0;
    if (r == 0) r = 0.0000001;
    alpha = numeric::asin(-dy / r);
  }
  setPlateAngle(alpha);
  return true;
}

void FlowModel::setPlateAngle(double alpha) {
  if (alpha > kMaxAngle) alpha = kMaxAngle;
  // asin(-0.0) is -0.0, which would read as "-0.00" degrees; NaN lies flat too.
  if (!(alpha > 0)) alpha = 0.0;
  angle = alpha;
  leadingEdgeY = centreY - halfLength * numeric::sin(angle);
  reconfigure();
}

void FlowModel::setFreeStream(double velocity_, double temperature_, double pressure_) {
  velocity = velocity_;
  temperature = temperature_;
  pressure = pressure_;
}

FreeStreamDerived FlowModel::deriveFreeStream() const {
  FreeStreamDerived derived;
  derived.density = pressure * kMolarMass / (temperature * kMolarGasConstant) * 0.001;
  derived.soundSpeed = std::sqrt(temperature * kSoundSpeedFactor);
  derived.mach = velocity / derived.soundSpeed;
  derived.specificVolume = 1.0 / derived.density;
  return derived;
}

void FlowModel::setDensity(double value) {
  density = value;
}

double FlowModel::freeStreamValue(ValueCode code) const {
  switch (code) {
    case ValueCode::P:
      return pressure;
    case ValueCode::R:
      return density;
    case ValueCode::T:
      return temperature;
    case ValueCode::V:
    case ValueCode::f:  // the free stream is all V_phi
      return velocity;
    case ValueCode::r:
      return 0.0;
  }
  return 0.0;
}
