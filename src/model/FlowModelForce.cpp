// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstddef>

#include "model/FanZone.h"
#include "model/FlowModel.h"
#include "model/LowerFan.h"
#include "model/Truncate.h"
#include "model/UpperFan.h"

namespace {
constexpr double kFaceOffset = 20;  // pixels above and below the centre
}  // namespace

double FlowModel::facePressure(FlowZone& first, FlowZone& second, int x, int y) const {
  const FlowZone::Region region = first.classify(x, y);
  double p = first.valueAt(ValueCode::P, x, y, pressure);
  if (region == FlowZone::kBehind) p = second.valueAt(ValueCode::P, x, y, p);
  return p;
}

FacePressures FlowModel::facePressures() {
  // Each face is asked of its own pair of zones, the upper face first; no
  // side test is made.
  FacePressures faces{pressure, pressure};
  const int x = truncToInt(centreX);
  if (angle > kSampleAngle)
    faces.above =
        facePressure(*zones[kUpperFan], *zones[kUpperShock], x, truncToInt(centreY - kFaceOffset));
  if (angle > kSampleAngle)
    faces.below =
        facePressure(*zones[kLowerShock], *zones[kLowerFan], x, truncToInt(centreY + kFaceOffset));
  return faces;
}

FacePressures FlowModel::peekFacePressures() {
  // Only the fans keep sampling scratch.
  FanZone* const fans[] = {own.lowerFan, own.upperFan};
  std::array<std::array<double, 2>, 2> saved{};
  for (std::size_t i = 0; i < 2; ++i) saved[i] = {fans[i]->lastValue, fans[i]->lastChange};
  const FacePressures faces = facePressures();
  for (std::size_t i = 0; i < 2; ++i) {
    fans[i]->lastValue = saved[i][0];
    fans[i]->lastChange = saved[i][1];
  }
  return faces;
}

double FlowModel::pressureAt(int x, int y) {
  if (!(angle > kSampleAngle)) return pressure;
  const bool above = isAbovePlate(x, y);
  return above ? facePressure(*zones[kUpperFan], *zones[kUpperShock], x, y)
               : facePressure(*zones[kLowerShock], *zones[kLowerFan], x, y);
}
