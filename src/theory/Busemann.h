// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Busemann's second-order small-disturbance theory of the thin flat plate.
//
// Each face turns the stream through θ (+α on the lower face, −α on the upper) and carries
// c_p = C₁θ + C₂θ², with C₁ = 2/√(M²−1) and C₂ = ((γ+1)M⁴ − 4(M²−1)) / (2(M²−1)²). The θ²
// term is the same on both faces: it moves both face pressures towards the exact ones but
// cancels in c_n, so the plate's c_l and c_d differ from Ackeret's only by cos α and sin α.

#include <optional>

#include "theory/PerfectGas.h"

namespace theory {

struct BusemannPlate {
  double lowerPressure = 0.0;  // c_p on the lower face, θ = +α [-]
  double upperPressure = 0.0;  // c_p on the upper face, θ = −α [-]
  double normalForce = 0.0;    // c_n = c_p,lower − c_p,upper [-]
  double lift = 0.0;           // c_l = c_n cos α [-]
  double drag = 0.0;           // c_d = c_n sin α [-]
};

// nullopt unless 1 < M ≤ kLargestMach, 0 ≤ α ≤ π/2 and 1 < γ < ∞ (every input a number).
std::optional<BusemannPlate> busemannPlate(double mach, double angleOfAttack /* α [rad] */,
                                           double gamma = kGamma);

}  // namespace theory
