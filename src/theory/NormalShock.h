// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jump across a normal shock, applied to the Mach number normal to a shock front.

#include <optional>

namespace theory {

// Downstream-to-upstream ratios across the shock.
struct NormalShock {
  double downstreamMach = 1.0;      // M₂ₙ, normal to the front [-]
  double pressure = 1.0;            // p₂/p₁ [-]
  double density = 1.0;             // ρ₂/ρ₁ [-]
  double temperature = 1.0;         // T₂/T₁ [-]
  double stagnationPressure = 1.0;  // p₀₂/p₀₁ [-]
};

// nullopt unless 1 ≤ Mₙ ≤ kLargestMach: a slower normal component makes no shock. Mₙ = 1 is
// the Mach wave, across which nothing changes.
std::optional<NormalShock> normalShock(double normalMach);

}  // namespace theory
