// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bracketed root finding (Brent's method) with a hard iteration cap.

#include <functional>
#include <optional>

namespace theory {

inline constexpr int kRootIterationCap = 200;  // [-]

// A root of f in [lo, hi], to within a few ulps of the root. nullopt when the bounds are not
// finite or f(lo) and f(hi) have the same strict sign (no bracket) or f is NaN there. The
// answer always stays inside the bracket, even if the iteration cap is reached.
std::optional<double> findRoot(const std::function<double(double)>& f, double lo, double hi);

}  // namespace theory
