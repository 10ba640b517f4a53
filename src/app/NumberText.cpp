// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumberText.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

#include "platform/Compat.h"
#include "platform/FixedText.h"

std::string formatNumber(double value) {
  const auto width = static_cast<int>(fixedText(value, 0).size());
  const int decimals = width < 4 ? 4 - width : 0;
  return fixedText(value, decimals);
}

namespace {
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
// The white space that C's conversion skips in the C locale.
bool isSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::size_t decimalPrefixLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  // An exponent counts only with at least one digit: "1e" is 1.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

namespace {
locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}
}  // namespace

double parseNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isSpace(text[start])) ++start;
  const std::string_view rest = text.substr(start);
  const std::size_t length = decimalPrefixLength(rest);
  if (length == 0) return 0.0;
  // The prefix is a plain decimal, so the C library's correctly rounded
  // conversion sees nothing it could read differently (no inf, nan or hex).
  const std::string number(rest.substr(0, length));
  return strtod_l(number.c_str(), nullptr, cLocale());
}

std::string roundTripText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  const double magnitude = std::fabs(value);
  const bool positional = magnitude == 0.0 || (magnitude >= 1e-5 && magnitude < 1e17);
  char buffer[64];
  const auto end = positional ? compat::to_chars(buffer, buffer + sizeof buffer, value,
                                                 compat::chars_format::fixed)
                              : compat::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end.ptr);
}
