// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-ins for the library's number texts, held against the library itself: the JSON the
// WebAssembly build writes with them must be the native tool's to the byte.
#define ZERKON_COMPAT_STAND_INS
#include "platform/Compat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string text(char* first, std::to_chars_result r) {
  return {first, r.ptr};
}

// Edge cases of every kind, then doubles of every exponent from random bit patterns.
std::vector<double> samples() {
  constexpr double inf = std::numeric_limits<double>::infinity();
  std::vector<double> v = {0.0,     -0.0,    1.0,     -1.0,      0.1,      0.5,     1e-5,
                           9.99e-6, 1e17,    9.9e16,  1e22,      1e23,     5e-324,  -5e-324,
                           DBL_MIN, DBL_MAX, 2.0 / 3, 1e-7,      123456.0, 100000., 0.3,
                           1e21,    1e15,    4.35e-5, 1234.5678, inf,      -inf,    std::nan("")};
  for (int e = -1074; e <= 1023; e += 7) v.push_back(std::ldexp(1.0, e));
  for (int e = -300; e <= 300; e += 13) v.push_back(std::pow(10.0, e));
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 20000; ++i) {
    const double d = compat::bit_cast<double>(random());
    v.push_back(d);
    v.push_back(std::ldexp(std::fabs(std::fmod(d, 1.0)), static_cast<int>(i % 80) - 40));
  }
  return v;
}

TEST(Compat, NumberTextsAreTheLibrarys) {
  char a[400];
  char b[400];
  const auto end = [](char* buffer) { return buffer + sizeof a; };
  for (const double d : samples()) {
    if (std::isnan(d)) continue;  // JSON and the tables never write a NaN through these
    EXPECT_EQ(text(a, compat::to_chars(a, end(a), d)), text(b, std::to_chars(b, end(b), d)));
    for (const auto format : {std::chars_format::fixed, std::chars_format::scientific}) {
      ASSERT_EQ(text(a, compat::to_chars(a, end(a), d, format)),
                text(b, std::to_chars(b, end(b), d, format)))
          << d;
    }
    for (const int precision : {0, 2, 3, 6}) {
      for (const auto format :
           {std::chars_format::fixed, std::chars_format::scientific, std::chars_format::general}) {
        if (format == std::chars_format::fixed && std::fabs(d) > 1e300) continue;
        ASSERT_EQ(text(a, compat::to_chars(a, end(a), d, format, precision)),
                  text(b, std::to_chars(b, end(b), d, format, precision)))
            << d << " " << precision;
      }
    }
    // Read back, shortest text in, the same bits out.
    const std::string shortest = text(b, std::to_chars(b, end(b), d));
    double read = 0.0;
    const auto r = compat::from_chars(shortest.data(), shortest.data() + shortest.size(), read);
    if (std::isfinite(d)) {
      ASSERT_EQ(r.ec, std::errc{}) << shortest;
      EXPECT_EQ(compat::bit_cast<std::uint64_t>(read), compat::bit_cast<std::uint64_t>(d));
    }
  }
}

}  // namespace
