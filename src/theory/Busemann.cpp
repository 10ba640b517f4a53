// SPDX-License-Identifier: GPL-3.0-or-later
// Busemann's face pressures and the plate's coefficients from them.
#include "theory/Busemann.h"

#include <cmath>
#include <numbers>

#include "numeric/Elementary.h"

namespace theory {

std::optional<BusemannPlate> busemannPlate(double mach, double alpha, double gamma) {
  if (!(mach > 1.0) || !(mach <= kLargestMach)) return std::nullopt;
  if (!(alpha >= 0.0) || !(alpha <= std::numbers::pi / 2.0)) return std::nullopt;
  if (!(gamma > 1.0) || !std::isfinite(gamma)) return std::nullopt;
  // M² − 1 as (M − 1)(M + 1): no cancellation just above M = 1.
  const double beta2 = (mach - 1.0) * (mach + 1.0);
  const double c1 = 2.0 / std::sqrt(beta2);
  // Divided through by M⁴ so that C₂ stays finite for every accepted M; it tends to (γ+1)/2.
  const double inv2 = 1.0 / (mach * mach);
  const double reduced = beta2 * inv2;  // (M² − 1)/M²
  const double c2 = ((gamma + 1.0) - 4.0 * reduced * inv2) / (2.0 * reduced * reduced);
  const auto pressure = [c1, c2](double theta) { return c1 * theta + c2 * theta * theta; };
  BusemannPlate plate;
  plate.lowerPressure = pressure(alpha);
  plate.upperPressure = pressure(-alpha);
  plate.normalForce = plate.lowerPressure - plate.upperPressure;
  plate.lift = plate.normalForce * numeric::cos(alpha);
  plate.drag = plate.normalForce * numeric::sin(alpha);
  return plate;
}

}  // namespace theory
