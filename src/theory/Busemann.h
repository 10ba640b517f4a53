// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small-disturbance theories of the thin flat plate beyond Ackeret's: Busemann's second order
// (face pressures) and the third order with Donov's shock term (face pressures and loads).
//
// A face turning the stream through θ (+α on the lower face, −α on the upper) carries
// c_p = C₁θ + C₂θ² + C₃θ³, less Dθ³ where the turn is a shock (the compression face):
//   C₁ = 2/B,  C₂ = ((γ+1)M⁴ − 4B²) / (2B⁴),
//   C₃ = ((γ+1)M⁸ + (2γ² − 7γ − 5)M⁶ + 10(γ+1)M⁴ − 12M² + 8) / (6B⁷),
//   D  = (γ+1)M⁴ ((5 − 3γ)M⁴ + 4(γ − 3)M² + 8) / (48B⁷),   B = √(M² − 1).
// Source: M. J. Lighthill, Higher Approximations in Aerodynamic Theory, Princeton University
// Press, 1960 (Princeton Aeronautical Paperbacks 5), section "Supersonic two-dimensional
// aerofoil theory: surface pressures" (Busemann's expansion and Donov's third-order shock
// correction). The coefficients are checked in tests/theory against series of the exact
// relations.
//
// On a flat plate the θ² term is the same on both faces and cancels in c_n: second order
// moves each face pressure towards the exact one but leaves c_l and c_d at Ackeret's values.
// The third order is the first to change the loads: c_n = 2C₁α + (2C₃ − D)α³.

#include <optional>

#include "theory/PerfectGas.h"

namespace theory {

struct BusemannPlate {
  double lowerPressure = 0.0;  // c_p on the lower face, θ = +α [-]
  double upperPressure = 0.0;  // c_p on the upper face, θ = −α [-]
  double normalForce = 0.0;    // c_n = 2C₁α, Ackeret's: the θ² terms cancel [-]
};

struct ThirdOrderPlate {
  double lowerPressure = 0.0;  // c_p on the lower (shock) face [-]
  double upperPressure = 0.0;  // c_p on the upper (expansion) face [-]
  double normalForce = 0.0;    // c_n = 2C₁α + (2C₃ − D)α³ [-]
  double lift = 0.0;           // c_l = c_n cos α [-]
  double drag = 0.0;           // c_d = c_n sin α [-]
};

// nullopt unless 1 < M ≤ kLargestMach, 0 ≤ α ≤ π/2 and 1 < γ < ∞ (every input a number).
std::optional<BusemannPlate> busemannPlate(double mach, double angleOfAttack /* α [rad] */,
                                           double gamma = kGamma);

// Same domain as busemannPlate.
std::optional<ThirdOrderPlate> thirdOrderPlate(double mach, double angleOfAttack /* α [rad] */,
                                               double gamma = kGamma);

}  // namespace theory
