// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FlowZone.h"

#include <cmath>

void FlowZone::configure(int originX_, int originY_, bool lowerSide_, double plateAngle_,
                         int halfLength_, double pressure, double temperature, double velocity) {
  originX = originX_;
  originY = originY_;
  lowerSide = lowerSide_;
  plateAngle = plateAngle_;
  halfLength = halfLength_;
  upstream.pressure = pressure;
  upstream.temperature = temperature;
  upstream.velocity = velocity;
  upstream.soundSpeed = std::sqrt(temperature * kSoundSpeedFactor);
  upstream.mach = velocity / upstream.soundSpeed;
}
