// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/FlatPlate.h"

#include <cmath>
#include <numbers>

#include "numeric/Elementary.h"
#include "platform/FixedText.h"
#include "theory/PerfectGas.h"
#include "theory/PrandtlMeyer.h"

namespace theory {

namespace {

// The free stream's own state first: without gas or without temperature there is no Mach
// number to speak of, whatever number the division gave.
std::optional<Regime> unusableInput(const PlateInput& input) {
  const auto& p = input.pressure;
  const auto& t = input.temperature;
  if (t && *t == 0.0) return Regime::AbsoluteZero;
  if (p && *p == 0.0) return Regime::NoGas;
  if ((t && !(*t > 0.0 && std::isfinite(*t))) || (p && !(*p > 0.0 && std::isfinite(*p))))
    return Regime::InvalidInput;
  if (!(input.mach >= 0.0) || !(input.mach <= kLargestMach)) return Regime::InvalidInput;
  if (!(input.angleOfAttack >= 0.0) || !(input.angleOfAttack <= std::numbers::pi / 2.0))
    return Regime::InvalidInput;
  return std::nullopt;
}

std::optional<LowerFace> compressionFace(double mach, double alpha) {
  const auto shock = weakObliqueShock(mach, alpha);
  if (!shock) return std::nullopt;
  return LowerFace{
      .shockAngle = shock->shockAngle,
      .mach = shock->downstreamMach,
      .ratios = {.pressure = shock->jump.pressure,
                 .temperature = shock->jump.temperature,
                 .density = shock->jump.density},
  };
}

// Isentropic from M₁ to M: T/T₁ = (1 + (γ−1)/2 M₁²) / (1 + (γ−1)/2 M²).
UpperFace expansionFace(double mach, double turnedAngle) {
  UpperFace face{.prandtlMeyerAngle = turnedAngle, .mach = std::nullopt, .ratios = {0, 0, 0}};
  const auto expanded = inversePrandtlMeyer(turnedAngle);
  if (!expanded) return face;  // vacuum
  const double temperature =
      isentropicRatios(mach)->temperature / isentropicRatios(*expanded)->temperature;
  face.mach = *expanded;
  face.ratios = {.pressure = numeric::pow(temperature, kGamma / (kGamma - 1.0)),
                 .temperature = temperature,
                 .density = numeric::pow(temperature, 1.0 / (kGamma - 1.0))};
  return face;
}

Coefficients exactCoefficients(double mach, double alpha, double lower, double upper) {
  const double cn = (lower - upper) / (0.5 * kGamma * mach * mach);
  const double cotangent = numeric::cos(alpha) / numeric::sin(alpha);
  return Coefficients{
      .normalForce = cn,
      .lift = cn * numeric::cos(alpha),
      .drag = cn * numeric::sin(alpha),
      .liftToDrag =
          alpha > 0.0 && std::isfinite(cotangent) ? std::optional(cotangent) : std::nullopt,
  };
}

LinearCoefficients linearCoefficients(double mach, double alpha) {
  const double root = std::sqrt((mach - 1.0) * (mach + 1.0));
  return LinearCoefficients{.lift = 4.0 * alpha / root, .drag = 4.0 * alpha * alpha / root};
}

// q₁ = ½ρ₁V₁² = ½γp₁M₁², from the stream's own p₁ and M₁ (ρ₁ = p₁/(RT₁), V₁² = M₁²γRT₁).
std::optional<Loads> loadsOn1mChord(const PlateInput& input, const Coefficients& c) {
  if (!input.pressure) return std::nullopt;
  const double q = 0.5 * kGamma * *input.pressure * input.mach * input.mach;
  if (!std::isfinite(q)) return std::nullopt;
  constexpr double chord = 1.0;  // [m]
  return Loads{.dynamicPressure = q, .lift = c.lift * q * chord, .drag = c.drag * q * chord};
}

}  // namespace

const char* regimeKey(Regime regime) {
  switch (regime) {
    case Regime::ShockExpansion:
      return "attached";
    case Regime::SubsonicBehindShock:
      return "attached_subsonic";
    case Regime::MachWaves:
      return "mach_waves";
    case Regime::Subsonic:
      return "subsonic";
    case Regime::Detached:
      return "detached";
    case Regime::Vacuum:
      return "vacuum";
    case Regime::NoGas:
      return "no_gas";
    case Regime::AbsoluteZero:
      return "absolute_zero";
    case Regime::InvalidInput:
      return "invalid";
  }
  return "invalid";
}

PlateTheory solveFlatPlate(const PlateInput& input) {
  PlateTheory result;
  if (const auto unusable = unusableInput(input)) {
    result.regime = *unusable;
    return result;
  }

  const double mach = input.mach;
  const double alpha = input.angleOfAttack;
  if (mach < 1.0) {
    result.regime = Regime::Subsonic;
    return result;
  }

  result.machAngle = machAngle(mach);
  result.prandtlMeyerAngle = prandtlMeyer(mach);
  result.sonicDeflection = sonicDeflection(mach);
  result.vacuumAngle = prandtlMeyerLimit() - *result.prandtlMeyerAngle;
  if (mach == 1.0) {
    // Sonic: the θ-β-M relation's two branches meet at the normal shock, θmax = 0.
    result.maxDeflection = MaxDeflection{.deflection = 0.0, .shockAngle = std::numbers::pi / 2.0};
  } else {
    result.maxDeflection = maxDeflection(mach);
    result.linear = linearCoefficients(mach, alpha);
  }

  if (alpha == 0.0) {
    result.regime = Regime::MachWaves;
    result.lower = LowerFace{.shockAngle = *result.machAngle, .mach = mach, .ratios = {}};
    result.upper =
        UpperFace{.prandtlMeyerAngle = *result.prandtlMeyerAngle, .mach = mach, .ratios = {}};
  } else {
    const auto lower = mach > 1.0 && alpha <= result.maxDeflection->deflection
                           ? compressionFace(mach, alpha)
                           : std::nullopt;
    if (!lower) {
      result.regime = Regime::Detached;
      return result;
    }
    result.lower = lower;
    result.upper = expansionFace(mach, *result.prandtlMeyerAngle + alpha);
    if (!result.upper->mach)
      result.regime = Regime::Vacuum;
    else if (alpha > result.sonicDeflection->deflection)
      result.regime = Regime::SubsonicBehindShock;
    else
      result.regime = Regime::ShockExpansion;
  }

  result.exact =
      exactCoefficients(mach, alpha, result.lower->ratios.pressure, result.upper->ratios.pressure);
  result.loads = loadsOn1mChord(input, *result.exact);
  return result;
}

}  // namespace theory
