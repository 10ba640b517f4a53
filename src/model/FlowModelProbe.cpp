// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "model/FlowModel.h"

FlowSample FlowModel::sample(int x, int y, const FreeStream& freeStream) {
  const bool upper = isAbovePlate(x, y);
  if (angle < kSampleAngle) return FlowSample{};
  FlowZone& first = upper ? *zones[kUpperFan] : *zones[kLowerShock];
  FlowZone& second = upper ? *zones[kUpperShock] : *zones[kLowerFan];
  const FlowZone::Region region = first.classify(x, y);
  // The fans keep scratch between queries: this order of codes is binding.
  FlowSample s;
  s.temperature = first.valueAt(ValueCode::T, x, y, freeStream.temperature);
  s.pressure = first.valueAt(ValueCode::P, x, y, freeStream.pressure);
  s.density = first.valueAt(ValueCode::R, x, y, freeStream.density);
  s.velocityPhi = first.valueAt(ValueCode::f, x, y, freeStream.velocity);
  s.velocityR = first.valueAt(ValueCode::r, x, y, 0.0);
  if (region == FlowZone::kBehind) {
    s.temperature = second.valueAt(ValueCode::T, x, y, s.temperature);
    s.pressure = second.valueAt(ValueCode::P, x, y, s.pressure);
    s.density = second.valueAt(ValueCode::R, x, y, s.density);
    s.velocityPhi = second.valueAt(ValueCode::f, x, y, s.velocityPhi);
    s.velocityR = second.valueAt(ValueCode::r, x, y, s.velocityR);
  }
  s.soundSpeed = std::sqrt(s.temperature * kSoundSpeedFactor);
  s.speed = std::sqrt(s.velocityR * s.velocityR + s.velocityPhi * s.velocityPhi);
  s.mach = s.speed / s.soundSpeed;
  s.specificVolume = 1.0 / s.density;
  return s;
}
