// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed-point text of a double exactly as C's printf("%.Nf") writes it in the
// C locale ("nan", "-nan", "inf" included), whatever the process locale.

#include <charconv>
#include <cmath>
#include <string>

#include "platform/Compat.h"

inline std::string fixedText(double value, int decimals) {
  // Finite doubles need at most 309 integer digits, a sign and a point.
  char buffer[330 + 20];
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  const auto result = compat::to_chars(buffer, buffer + sizeof buffer, value,
                                       compat::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}
