// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Prandtl-Meyer function ν(M) of an isentropic expansion, and its inverse.

#include <optional>

namespace theory {

// ν(M) = √((γ+1)/(γ−1)) atan √((γ−1)(M²−1)/(γ+1)) − atan √(M²−1); nullopt unless M ≥ 1
// (not NaN). M = ∞ gives the largest angle, prandtlMeyerLimit().
std::optional<double> prandtlMeyer(double mach);  // ν [rad]

// ν_max = (π/2)(√((γ+1)/(γ−1)) − 1), (π/2)(√6 − 1) for γ = 1.4: a stream turned this far
// has expanded into vacuum.
double prandtlMeyerLimit();  // [rad]

// The Mach number M ≥ 1 with ν(M) = ν, by a bracketed root search; nullopt unless
// 0 ≤ ν < ν_max (at and beyond ν_max the Mach number is unbounded).
std::optional<double> inversePrandtlMeyer(double angle /* ν [rad] */);  // M [-]

}  // namespace theory
