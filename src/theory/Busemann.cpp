// SPDX-License-Identifier: GPL-3.0-or-later
// Busemann's and the third-order face pressures and the plate's coefficients from them.
#include "theory/Busemann.h"

#include <cmath>
#include <numbers>

#include "numeric/Elementary.h"

namespace theory {

namespace {

struct SeriesCoefficients {
  double c1 = 0.0;
  double c2 = 0.0;
  double c3 = 0.0;
  double shock = 0.0;  // D
};

bool accepted(double mach, double alpha, double gamma) {
  return mach > 1.0 && mach <= kLargestMach && alpha >= 0.0 && alpha <= std::numbers::pi / 2.0 &&
         gamma > 1.0 && std::isfinite(gamma);
}

// Every coefficient in a form without a difference of nearly equal numbers near M = 1 and
// without overflow up to kLargestMach: M² − 1 as (M − 1)(M + 1), the polynomials divided
// through by their highest power of M, and B^k written as M^k·r^(k/2) with r = B²/M².
SeriesCoefficients series(double mach, double g) {
  const double b2 = (mach - 1.0) * (mach + 1.0);  // B²
  const double inv = 1.0 / (mach * mach);         // 1/M²
  const double r = b2 * inv;                      // B²/M², in (0, 1)
  const double r35 = r * r * r * std::sqrt(r);    // r^(7/2)
  SeriesCoefficients s;
  s.c1 = 2.0 / std::sqrt(b2);
  // (γ+1)M⁴ − 4B² over 2B⁴ = ((γ+1) − 4r/M²) / (2r²); both terms are positive near M = 1.
  s.c2 = ((g + 1.0) - 4.0 * r * inv) / (2.0 * r * r);
  // M⁸/B⁷ = M/r^(7/2).
  const double p3 = (g + 1.0) + inv * ((2.0 * g * g - 7.0 * g - 5.0) +
                                       inv * (10.0 * (g + 1.0) + inv * (-12.0 + 8.0 * inv)));
  s.c3 = mach * p3 / (6.0 * r35);
  const double pd = (5.0 - 3.0 * g) + inv * (4.0 * (g - 3.0) + 8.0 * inv);
  s.shock = (g + 1.0) * mach * pd / (48.0 * r35);
  return s;
}

}  // namespace

std::optional<BusemannPlate> busemannPlate(double mach, double alpha, double gamma) {
  if (!accepted(mach, alpha, gamma)) return std::nullopt;
  const SeriesCoefficients s = series(mach, gamma);
  const double square = s.c2 * alpha * alpha;
  // c_n straight from the algebra: the difference of the faces would lose C₁α against C₂α²
  // wherever C₂ is huge, just above M = 1.
  return BusemannPlate{.lowerPressure = s.c1 * alpha + square,
                       .upperPressure = -s.c1 * alpha + square,
                       .normalForce = 2.0 * s.c1 * alpha};
}

std::optional<ThirdOrderPlate> thirdOrderPlate(double mach, double alpha, double gamma) {
  if (!accepted(mach, alpha, gamma)) return std::nullopt;
  const SeriesCoefficients s = series(mach, gamma);
  const double a2 = alpha * alpha;
  const double a3 = a2 * alpha;
  ThirdOrderPlate plate;
  plate.lowerPressure = s.c1 * alpha + s.c2 * a2 + (s.c3 - s.shock) * a3;
  plate.upperPressure = -s.c1 * alpha + s.c2 * a2 - s.c3 * a3;
  plate.normalForce = 2.0 * s.c1 * alpha + (2.0 * s.c3 - s.shock) * a3;
  plate.lift = plate.normalForce * numeric::cos(alpha);
  plate.drag = plate.normalForce * numeric::sin(alpha);
  return plate;
}

}  // namespace theory
