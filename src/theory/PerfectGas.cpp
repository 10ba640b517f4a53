// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/PerfectGas.h"

#include <cmath>

namespace theory {

std::optional<double> speedOfSound(double temperature) {
  if (!(temperature > 0.0) || !std::isfinite(temperature)) return std::nullopt;
  return std::sqrt(kGamma * kSpecificGasConstant * temperature);
}

std::optional<double> machAngle(double mach) {
  if (!(mach >= 1.0) || !std::isfinite(mach)) return std::nullopt;
  return std::asin(1.0 / mach);
}

std::optional<IsentropicRatios> isentropicRatios(double mach) {
  if (!(mach >= 0.0) || !(mach <= kLargestMach)) return std::nullopt;
  const double t = 1.0 + 0.5 * (kGamma - 1.0) * mach * mach;
  return IsentropicRatios{
      .temperature = t,
      .pressure = std::pow(t, kGamma / (kGamma - 1.0)),
      .density = std::pow(t, 1.0 / (kGamma - 1.0)),
  };
}

}  // namespace theory
