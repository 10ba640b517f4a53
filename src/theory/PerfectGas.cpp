// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/PerfectGas.h"

#include <cmath>

#include "numeric/Elementary.h"

namespace theory {

std::optional<double> speedOfSound(double temperature) {
  if (!(temperature > 0.0) || !std::isfinite(temperature)) return std::nullopt;
  return std::sqrt(kGamma * kSpecificGasConstant * temperature);
}

std::optional<double> machAngle(double mach) {
  if (!(mach >= 1.0) || !std::isfinite(mach)) return std::nullopt;
  return numeric::asin(1.0 / mach);
}

std::optional<IsentropicRatios> isentropicRatios(double mach) {
  if (!(mach >= 0.0) || !(mach <= kLargestMach)) return std::nullopt;
  const double t = 1.0 + 0.5 * (kGamma - 1.0) * mach * mach;
  return IsentropicRatios{
      .temperature = t,
      .pressure = numeric::pow(t, kGamma / (kGamma - 1.0)),
      .density = numeric::pow(t, 1.0 / (kGamma - 1.0)),
  };
}

}  // namespace theory
