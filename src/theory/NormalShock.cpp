// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/NormalShock.h"

#include <cmath>

#include "numeric/Elementary.h"
#include "theory/PerfectGas.h"

namespace theory {

std::optional<NormalShock> normalShock(double normalMach) {
  if (!(normalMach >= 1.0) || !(normalMach <= kLargestMach)) return std::nullopt;
  constexpr double g = kGamma;
  const double m2 = normalMach * normalMach;
  // Written in 1/M² so that nothing overflows for large Mach numbers.
  const double inv = 1.0 / m2;
  const double downstream2 = (inv + 0.5 * (g - 1.0)) / (g - 0.5 * (g - 1.0) * inv);
  const double pressure = 1.0 + 2.0 * g / (g + 1.0) * (m2 - 1.0);
  const double density = (g + 1.0) / (g - 1.0 + 2.0 * inv);
  const double stagnation =
      numeric::pow(density, g / (g - 1.0)) * numeric::pow(pressure, -1.0 / (g - 1.0));
  return NormalShock{
      .downstreamMach = std::sqrt(downstream2),
      .pressure = pressure,
      .density = density,
      .temperature = pressure / density,
      .stagnationPressure = stagnation,
  };
}

}  // namespace theory
