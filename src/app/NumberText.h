// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text rules of the number fields: every value is shown with about four
// characters before the decimals, and read back from whatever text is there.

#include <cstddef>
#include <string>
#include <string_view>

// Three decimals below 10, two below 100, one below 1000, none from four
// characters on; a minus sign takes one of the four places.
std::string formatNumber(double value);

// The longest decimal prefix after leading white space (sign, digits with at
// most one point, optional exponent), correctly rounded; 0.0 when there is
// none. "inf", "nan" and hexadecimal read as 0.
double parseNumber(std::string_view text);

// Length of the decimal number at the very start of `text` (no white space
// skipped), 0 when there is none.
std::size_t decimalPrefixLength(std::string_view text);

// The shortest text that reads back to the same double, as the batch tool's CSV writes it:
// positional where that stays short ("100000", "0.07"), else with an exponent ("1e-300");
// "NaN", "Infinity" and "-Infinity".
std::string roundTripText(double value);
