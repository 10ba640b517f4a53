// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the few C++20 library parts that an older standard library lacks (the
// WebAssembly build's libc++ has neither std::bit_cast nor floating-point to_chars and
// from_chars). Where the library has them, these names are the library's own; the stand-ins
// are compiled only where the feature-test macros say the library lacks them, and then give
// the same characters the library would. ZERKON_COMPAT_STAND_INS takes the stand-ins
// everywhere, so that a test can hold them against the library.

#include <bit>
#include <charconv>
#include <version>

#if !defined(__cpp_lib_bit_cast) || defined(ZERKON_COMPAT_STAND_INS)
#include <cstring>
#include <type_traits>
#endif
#if !defined(__cpp_lib_to_chars) || defined(ZERKON_COMPAT_STAND_INS)
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <type_traits>
#endif

namespace compat {

#if defined(__cpp_lib_bit_cast) && !defined(ZERKON_COMPAT_STAND_INS)
using std::bit_cast;
#else
template <typename To, typename From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) To bit_cast(const From& from)
noexcept {
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}
#endif

#if defined(__cpp_lib_to_chars) && !defined(ZERKON_COMPAT_STAND_INS)
using std::chars_format;
using std::from_chars;
using std::from_chars_result;
using std::to_chars;
using std::to_chars_result;
#else
using std::chars_format;
using std::from_chars_result;
using std::to_chars_result;

// Whole numbers are the library's own.
template <typename Int>
requires std::is_integral_v<Int> to_chars_result to_chars(char* first, char* last, Int value,
                                                          int base = 10) {
  return std::to_chars(first, last, value, base);
}
template <typename Int>
requires std::is_integral_v<Int> from_chars_result from_chars(const char* first, const char* last,
                                                              Int& value, int base = 10) {
  return std::from_chars(first, last, value, base);
}

namespace detail {

inline to_chars_result copyOut(char* first, char* last, const char* text, std::size_t size) {
  if (size > static_cast<std::size_t>(last - first)) return {last, std::errc::value_too_large};
  std::memcpy(first, text, size);
  return {first + size, std::errc{}};
}

// C's printf with one precision: in the C locale its %f, %e and %g are the forms the
// precision overloads of to_chars are defined by.
inline to_chars_result printed(char* first, char* last, const char* format, int precision,
                               double value) {
  char text[400];
  const int size = std::snprintf(text, sizeof text, format, precision, value);
  if (size < 0 || static_cast<std::size_t>(size) >= sizeof text)
    return {last, std::errc::value_too_large};
  return copyOut(first, last, text, static_cast<std::size_t>(size));
}

// The shortest decimal digits that read back as `value` (finite, not zero), with the decimal
// exponent of the first digit. For each count of digits the correctly rounded ones are tried
// first, then their two neighbours: next to a power of two the doubles are spaced unevenly,
// and a neighbour can read back where the nearest does not.
inline void shortestDigits(double value, std::string& digits, int& exponent) {
  const double magnitude = std::fabs(value);
  char text[40];
  for (int precision = 0; precision <= 16; ++precision) {
    std::snprintf(text, sizeof text, "%.*e", precision, magnitude);
    const char* e = std::strchr(text, 'e');
    exponent = std::atoi(e + 1);
    digits.clear();
    for (const char* p = text; p != e; ++p)
      if (*p != '.') digits += *p;
    if (std::strtod(text, nullptr) == magnitude) return;
    const unsigned long long nearest = std::strtoull(digits.c_str(), nullptr, 10);
    for (const unsigned long long candidate : {nearest - 1, nearest + 1}) {
      const std::string d = std::to_string(candidate);
      if (d.size() != digits.size()) continue;  // another count of digits
      const std::string scaled = d + "e" + std::to_string(exponent - precision);
      if (std::strtod(scaled.c_str(), nullptr) == magnitude) {
        digits = d;
        return;
      }
    }
  }
}

inline std::string fixedForm(bool negative, const std::string& digits, int exponent) {
  std::string out = negative ? "-" : "";
  const int count = static_cast<int>(digits.size());
  if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
  } else if (exponent >= count - 1) {
    out += digits;
    out.append(static_cast<std::size_t>(exponent - (count - 1)), '0');
  } else {
    out.append(digits, 0, static_cast<std::size_t>(exponent) + 1);
    out += '.';
    out.append(digits, static_cast<std::size_t>(exponent) + 1);
  }
  return out;
}

inline std::string scientificForm(bool negative, const std::string& digits, int exponent) {
  std::string out = negative ? "-" : "";
  out += digits[0];
  if (digits.size() > 1) {
    out += '.';
    out.append(digits, 1);
  }
  char tail[8];
  std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return out + tail;
}

// The shortest round-trip text in fixed or scientific form, or the plain form (whichever of
// the two is shorter, fixed on a tie); zero, infinities and NaN as the library writes them.
inline to_chars_result shortest(char* first, char* last, double value, bool fixed,
                                bool scientific) {
  std::string out;
  const bool negative = std::signbit(value);
  if (std::isnan(value)) {
    out = negative ? "-nan" : "nan";
  } else if (std::isinf(value)) {
    out = negative ? "-inf" : "inf";
  } else if (value == 0.0) {
    out = std::string(negative ? "-" : "") + (fixed || !scientific ? "0" : "0e+00");
  } else {
    std::string digits;
    int exponent = 0;
    shortestDigits(value, digits, exponent);
    // From 2^53 up every double is a whole number, and the library writes the fixed form of
    // those exactly rather than padding the shortest digits with zeros.
    std::string f = fixedForm(negative, digits, exponent);
    if (std::fabs(value) >= 9007199254740992.0) {
      char whole[330];
      std::snprintf(whole, sizeof whole, "%.0f", value);
      f = whole;
    }
    const std::string s = scientificForm(negative, digits, exponent);
    out = fixed && !scientific ? f : scientific && !fixed ? s : (f.size() <= s.size() ? f : s);
  }
  return copyOut(first, last, out.data(), out.size());
}

}  // namespace detail

// Shortest round-trip text.
inline to_chars_result to_chars(char* first, char* last, double value) {
  return detail::shortest(first, last, value, false, false);
}

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format) {
  return detail::shortest(first, last, value, format == chars_format::fixed,
                          format == chars_format::scientific);
}

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision) {
  const char* conversion = format == chars_format::fixed        ? "%.*f"
                           : format == chars_format::scientific ? "%.*e"
                                                                : "%.*g";
  return detail::printed(first, last, conversion, precision, value);
}

// Decimal text only, as std::from_chars with the general format reads it: no leading space or
// plus sign, no hexadecimal.
inline from_chars_result from_chars(const char* first, const char* last, double& value) {
  const std::size_t size = static_cast<std::size_t>(last - first);
  if (size == 0 || size > 400 || *first == '+' || std::isspace(static_cast<unsigned char>(*first)))
    return {first, std::errc::invalid_argument};
  char text[401];
  std::memcpy(text, first, size);
  text[size] = '\0';
  const char* digits = text + (text[0] == '-' ? 1 : 0);
  if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    value = 0.0;  // the library reads the "0" alone
    return {first + (digits - text) + 1, std::errc{}};
  }
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(text, &end);
  if (end == text) return {first, std::errc::invalid_argument};
  const char* stop = first + (end - text);
  // C reports subnormal results as out of range too; the library only overflow and underflow
  // to zero.
  if (errno == ERANGE && (std::isinf(read) || read == 0.0))
    return {stop, std::errc::result_out_of_range};
  value = read;
  return {stop, std::errc{}};
}
#endif

}  // namespace compat
