// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/ObliqueShock.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numeric/Elementary.h"
#include "theory/PerfectGas.h"
#include "theory/RootFinding.h"

namespace theory {

namespace {

bool isSupersonic(double mach) {
  return mach > 1.0 && mach <= kLargestMach;
}

}  // namespace

double deflectionAngle(double mach, double shockAngle) {
  constexpr double g = kGamma;
  // The relation divided through by M², so that large Mach numbers do not overflow.
  const double inv = 1.0 / (mach * mach);
  const double s = numeric::sin(shockAngle);
  const double numerator = 2.0 * (s * s - inv) * numeric::cos(shockAngle);
  const double denominator = (g + numeric::cos(2.0 * shockAngle) + 2.0 * inv) * s;
  return numeric::atan2(numerator, denominator);
}

std::optional<MaxDeflection> maxDeflection(double mach) {
  if (!isSupersonic(mach)) return std::nullopt;
  constexpr double g = kGamma;
  // dθ/dβ = 0 has the closed-form root
  // sin²β* = [(γ+1)M² − 4 + √((γ+1)((γ+1)M⁴ + 8(γ−1)M² + 16))] / (4γM²), here in 1/M².
  const double inv = 1.0 / (mach * mach);
  const double root = std::sqrt((g + 1.0) * ((g + 1.0) + 8.0 * (g - 1.0) * inv + 16.0 * inv * inv));
  const double sin2 = std::clamp(((g + 1.0) - 4.0 * inv + root) / (4.0 * g), 0.0, 1.0);
  const double beta = numeric::asin(std::sqrt(sin2));
  return MaxDeflection{.deflection = deflectionAngle(mach, beta), .shockAngle = beta};
}

std::optional<double> weakShockAngle(double mach, double deflection) {
  const auto top = maxDeflection(mach);
  if (!top || !(deflection >= 0.0) || !(deflection <= top->deflection)) return std::nullopt;
  const double mu = numeric::asin(1.0 / mach);
  if (deflection == 0.0) return mu;
  // θ(β) rises monotonically from 0 at the Mach angle to θmax at β*: a clean bracket.
  const auto residual = [mach, deflection](double beta) {
    return deflectionAngle(mach, beta) - deflection;
  };
  // A deflection below the rounding of θ(μ) is the Mach wave itself.
  if (residual(mu) >= 0.0) return mu;
  return findRoot(residual, mu, top->shockAngle);
}

std::optional<double> strongShockAngle(double mach, double deflection) {
  const auto top = maxDeflection(mach);
  if (!top || !(deflection >= 0.0) || !(deflection <= top->deflection)) return std::nullopt;
  constexpr double normal = std::numbers::pi / 2.0;
  if (deflection == 0.0) return normal;
  // θ(β) falls monotonically from θmax at β* to 0 at the normal shock.
  const auto residual = [mach, deflection](double beta) {
    return deflectionAngle(mach, beta) - deflection;
  };
  // θ(π/2) is the rounding of cos(π/2), not 0: a deflection below it is the normal shock.
  if (residual(normal) >= 0.0) return normal;
  return findRoot(residual, top->shockAngle, normal);
}

std::optional<ObliqueShock> weakObliqueShock(double mach, double deflection) {
  const auto beta = weakShockAngle(mach, deflection);
  if (!beta) return std::nullopt;
  // At the Mach angle M sin β is 1 up to rounding; the Mach wave is the weakest shock.
  const double normalMach = std::max(1.0, mach * numeric::sin(*beta));
  const auto jump = normalShock(normalMach);
  if (!jump) return std::nullopt;
  const double turn = numeric::sin(*beta - deflection);
  const double downstream = deflection == 0.0 ? mach : jump->downstreamMach / turn;
  return ObliqueShock{
      .shockAngle = *beta,
      .normalMach = normalMach,
      .jump = *jump,
      .downstreamMach = downstream,
  };
}

}  // namespace theory
