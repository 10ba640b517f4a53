// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Branch-free choices for the zone pass: which tracers a zone turns is
// unpredictable from one tracer to the next, and a mispredicted branch costs
// more than computing both sides. Plain ternaries are not enough, as the
// compiler may turn them back into branches; these pick bits.

#include <bit>
#include <cstdint>

#include "platform/Compat.h"

// a when `condition` holds, otherwise b, bit for bit (signed zeros and NaNs included).
inline double pick(bool condition, double a, double b) {
  const std::uint64_t mask = 0 - static_cast<std::uint64_t>(condition);
  return compat::bit_cast<double>((compat::bit_cast<std::uint64_t>(a) & mask) |
                                  (compat::bit_cast<std::uint64_t>(b) & ~mask));
}

inline std::int32_t pick(bool condition, std::int32_t a, std::int32_t b) {
  const std::uint32_t mask = 0 - static_cast<std::uint32_t>(condition);
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(a) & mask) |
                                   (static_cast<std::uint32_t>(b) & ~mask));
}
