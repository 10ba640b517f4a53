// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/RootFinding.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace theory {

// Brent's zeroin: inverse quadratic interpolation or secant steps, falling back to bisection
// whenever a step would leave the bracket or shrink it too slowly.
std::optional<double> findRoot(const std::function<double(double)>& f, double lo, double hi) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return std::nullopt;
  double a = lo;
  double b = hi;
  double fa = f(a);
  double fb = f(b);
  if (std::isnan(fa) || std::isnan(fb)) return std::nullopt;
  if (fa == 0.0) return a;
  if (fb == 0.0) return b;
  if ((fa > 0.0) == (fb > 0.0)) return std::nullopt;

  constexpr double eps = std::numeric_limits<double>::epsilon();
  double c = a;
  double fc = fa;
  double d = b - a;
  double e = d;
  for (int i = 0; i < kRootIterationCap; ++i) {
    if ((fb > 0.0) == (fc > 0.0)) {  // keep the root between b and c
      c = a;
      fc = fa;
      d = b - a;
      e = d;
    }
    if (std::fabs(fc) < std::fabs(fb)) {  // b is the best estimate so far
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tol = 2.0 * eps * std::fabs(b) + std::numeric_limits<double>::min();
    const double m = 0.5 * (c - b);
    if (std::fabs(m) <= tol || fb == 0.0) return b;

    if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p = 0.0;
      double q = 0.0;
      if (a == c) {  // secant
        p = 2.0 * m * s;
        q = 1.0 - s;
      } else {  // inverse quadratic interpolation
        const double qa = fa / fc;
        const double r = fb / fc;
        p = s * (2.0 * m * qa * (qa - r) - (b - a) * (r - 1.0));
        q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0) q = -q;
      p = std::fabs(p);
      if (2.0 * p < std::min(3.0 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = m;
        e = m;
      }
    } else {
      d = m;
      e = m;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tol ? d : (m > 0.0 ? tol : -tol);
    fb = f(b);
    if (std::isnan(fb)) return std::nullopt;
  }
  return b;
}

}  // namespace theory
