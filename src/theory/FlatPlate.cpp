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

bool validInput(const PlateInput& input, PlateTheory& result) {
  if (!(input.mach >= 0.0) || !(input.mach <= kLargestMach)) {
    result.message = "free-stream Mach number must be a number from 0 to 1e100";
    return false;
  }
  if (!(input.angleOfAttack >= 0.0) || !(input.angleOfAttack <= std::numbers::pi / 2.0)) {
    result.message = "angle of attack must be a number from 0° to 90°";
    return false;
  }
  return true;
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

std::optional<Loads> loadsOn1mChord(const PlateInput& input, const Coefficients& c) {
  if (!(input.density >= 0.0) || !(input.speed >= 0.0)) return std::nullopt;
  const double q = 0.5 * input.density * input.speed * input.speed;
  if (!std::isfinite(q)) return std::nullopt;
  constexpr double chord = 1.0;  // [m]
  return Loads{.dynamicPressure = q, .lift = c.lift * q * chord, .drag = c.drag * q * chord};
}

}  // namespace

PlateTheory solveFlatPlate(const PlateInput& input) {
  PlateTheory result;
  if (!validInput(input, result)) return result;

  const double mach = input.mach;
  const double alpha = input.angleOfAttack;
  if (!(mach > 1.0)) {
    result.regime = Regime::Subsonic;
    result.message = "subsonic free stream: no oblique shock or expansion fan";
    return result;
  }

  result.machAngle = machAngle(mach);
  result.prandtlMeyerAngle = prandtlMeyer(mach);
  result.maxDeflection = maxDeflection(mach);
  result.linear = linearCoefficients(mach, alpha);

  if (alpha == 0.0) {
    result.regime = Regime::MachWaves;
    result.message =
        "zero angle of attack: no shock, only Mach waves; the free stream is undisturbed";
    result.lower = LowerFace{.shockAngle = *result.machAngle, .mach = mach, .ratios = {}};
    result.upper =
        UpperFace{.prandtlMeyerAngle = *result.prandtlMeyerAngle, .mach = mach, .ratios = {}};
  } else {
    const auto lower =
        alpha <= result.maxDeflection->deflection ? compressionFace(mach, alpha) : std::nullopt;
    if (!lower) {
      result.regime = Regime::Detached;
      result.message =
          "shock detached above θmax = " + fixedText(degrees(result.maxDeflection->deflection), 2) +
          "°";
      return result;
    }
    result.lower = lower;
    result.upper = expansionFace(mach, *result.prandtlMeyerAngle + alpha);
    if (result.upper->mach) {
      result.regime = Regime::ShockExpansion;
      result.message = "attached shock on the lower face, expansion fan on the upper face";
    } else {
      result.regime = Regime::Vacuum;
      result.message = "upper face turned beyond the largest Prandtl-Meyer angle: vacuum";
    }
  }

  result.exact =
      exactCoefficients(mach, alpha, result.lower->ratios.pressure, result.upper->ratios.pressure);
  result.loads = loadsOn1mChord(input, *result.exact);
  return result;
}

}  // namespace theory
