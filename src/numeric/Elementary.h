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

double sin(double x);
double cos(double x);
double tan(double x);
double asin(double x);
double acos(double x);
double atan(double x);
double atan2(double y, double x);
double hypot(double x, double y);
double exp(double x);
double log(double x);
double log10(double x);
double pow(double x, double y);

}  // namespace numeric
