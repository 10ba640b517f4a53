// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one conversion from a double to a 32-bit pixel coordinate.

#include <cstdint>
#include <limits>
#include <type_traits>

// Truncates toward zero when the result fits in 32 bits; NaN, infinities and
// everything out of range give the smallest int, so nothing downstream ever
// meets undefined behaviour.
constexpr std::int32_t truncToInt(double value) {
#if defined(__x86_64__) && defined(__GNUC__)
  // The processor's truncation answers exactly this, smallest int included,
  // without the two range tests (the zone pass truncates six coordinates per
  // tracer). Written as an instruction, not an intrinsic: the compiler folds
  // the intrinsic on out-of-range constants to other values.
  if (!std::is_constant_evaluated()) {
    std::int32_t truncated;
    asm("cvttsd2si %1, %0" : "=r"(truncated) : "x"(value));
    return truncated;
  }
#endif
  if (value > -2147483649.0 && value < 2147483648.0) return static_cast<std::int32_t>(value);
  return std::numeric_limits<std::int32_t>::min();
}

// x = 2147483647 asks a zone for its state behind all of its fronts.
inline constexpr std::int32_t kDownstream = std::numeric_limits<std::int32_t>::max();
