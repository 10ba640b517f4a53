// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/PrandtlMeyer.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "numeric/Elementary.h"
#include "theory/PerfectGas.h"
#include "theory/RootFinding.h"

namespace theory {

namespace {

const double kRatio = std::sqrt((kGamma + 1.0) / (kGamma - 1.0));  // [-]

// ν in terms of x = √(M² − 1); x = ∞ gives exactly the same ν_max as prandtlMeyerLimit().
double nuOfRoot(double x) {
  return kRatio * numeric::atan(x / kRatio) - numeric::atan(x);
}

}  // namespace

double prandtlMeyerLimit() {
  return nuOfRoot(std::numeric_limits<double>::infinity());
}

std::optional<double> prandtlMeyer(double mach) {
  if (!(mach >= 1.0)) return std::nullopt;
  if (std::isinf(mach)) return prandtlMeyerLimit();
  // (M − 1)(M + 1) keeps M² − 1 accurate just above M = 1; huge M only overflows to x = ∞.
  return nuOfRoot(std::sqrt((mach - 1.0) * (mach + 1.0)));
}

std::optional<double> inversePrandtlMeyer(double angle) {
  if (!(angle >= 0.0) || !(angle < prandtlMeyerLimit())) return std::nullopt;
  if (angle == 0.0) return 1.0;
  // Double the upper end until ν exceeds the target; ν(M) reaches ν_max once M² overflows, so
  // the loop ends after some 500 doublings at the very most.
  double hi = 2.0;
  while (nuOfRoot(std::sqrt((hi - 1.0) * (hi + 1.0))) < angle && std::isfinite(hi)) hi *= 2.0;
  if (!std::isfinite(hi)) hi = std::numeric_limits<double>::max();
  const double lo = hi > 2.0 ? 0.5 * hi : 1.0;
  const auto residual = [angle](double mach) {
    return nuOfRoot(std::sqrt((mach - 1.0) * (mach + 1.0))) - angle;
  };
  return findRoot(residual, lo, hi);
}

}  // namespace theory
