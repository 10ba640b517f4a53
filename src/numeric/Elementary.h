// SPDX-License-Identifier: GPL-3.0-or-later
// The elementary functions of the program, the same bits on every processor: correctly
// rounded (to nearest) but for rare hard cases, never an ulp or more off.
//
// They use IEEE-754 double operations alone (no fused multiply-add, no wider type, no call
// into the C library's maths), so x86-64 with or without FMA, arm64 and WebAssembly agree to
// the last bit. Special values (±0, ±inf, NaN, subnormals) give what C's functions give;
// the floating-point exception flags are not kept.
#pragma once

namespace numeric {

// Each result depends on the arguments alone (no errno, no state), so a compiler may reuse
// a call's result for the same arguments, as it does with the C library's functions.
[[gnu::const]] double sin(double x);
[[gnu::const]] double cos(double x);
[[gnu::const]] double tan(double x);
[[gnu::const]] double asin(double x);
[[gnu::const]] double acos(double x);
[[gnu::const]] double atan(double x);
[[gnu::const]] double atan2(double y, double x);
[[gnu::const]] double hypot(double x, double y);
[[gnu::const]] double exp(double x);
[[gnu::const]] double log(double x);
[[gnu::const]] double log10(double x);
[[gnu::const]] double pow(double x, double y);

}  // namespace numeric
