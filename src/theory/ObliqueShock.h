// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attached oblique shock: the θ-β-M relation, the largest deflection and the weak solution.

#include <optional>

#include "theory/NormalShock.h"

namespace theory {

// θ(β, M) from tan θ = 2 cot β (M² sin²β − 1) / (M² (γ + cos 2β) + 2): the flow deflection
// behind a shock at angle β to a stream of Mach number M (> 1, ≤ kLargestMach). Negative for
// β below the Mach angle, where no shock exists.
double deflectionAngle(double mach, double shockAngle /* β [rad] */);  // θ [rad]

// The largest deflection an attached shock can give, and its shock angle.
struct MaxDeflection {
  double deflection = 0.0;  // θmax [rad]
  double shockAngle = 0.0;  // β at θmax [rad]
};

// nullopt unless 1 < M ≤ kLargestMach.
std::optional<MaxDeflection> maxDeflection(double mach);

// The deflection at which the flow behind the weak shock is exactly sonic (M₂ = 1), and its
// shock angle: a little below θmax, so that between the two the shock is still attached but
// the gas behind it is subsonic. nullopt unless 1 ≤ M ≤ kLargestMach; θ = 0, β = π/2 at M = 1.
std::optional<MaxDeflection> sonicDeflection(double mach);

// The weak solution β of the θ-β-M relation, between the Mach angle (θ = 0) and the shock
// angle at θmax. nullopt unless 1 < M ≤ kLargestMach and 0 ≤ θ ≤ θmax(M).
std::optional<double> weakShockAngle(double mach, double deflection /* θ [rad] */);  // β [rad]

// The strong solution β of the θ-β-M relation, between the shock angle at θmax and the normal
// shock (β = π/2 at θ = 0). Same domain as weakShockAngle. Drawn on the θ-β-M chart only: the
// plate's lower face always carries the weak shock.
std::optional<double> strongShockAngle(double mach, double deflection /* θ [rad] */);  // β [rad]

// The flow state behind the weak oblique shock.
struct ObliqueShock {
  double shockAngle = 0.0;      // β [rad]
  double normalMach = 1.0;      // M₁ sin β, upstream, normal to the front [-]
  NormalShock jump;             // ratios across the front [-]
  double downstreamMach = 1.0;  // M₂ = M₂ₙ / sin(β − θ) [-]
};

// Same domain as weakShockAngle.
std::optional<ObliqueShock> weakObliqueShock(double mach, double deflection /* θ [rad] */);

}  // namespace theory
