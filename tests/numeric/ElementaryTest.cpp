// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/Elementary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>

namespace {

std::uint64_t bitsOf(double x) {
  std::uint64_t b = 0;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

double fromBits(std::uint64_t b) {
  double x = 0;
  std::memcpy(&x, &b, sizeof x);
  return x;
}

double call(const std::string& name, double a, double b) {
  static const std::map<std::string, double (*)(double)> unary = {
      {"sin", numeric::sin},   {"cos", numeric::cos},   {"tan", numeric::tan},
      {"asin", numeric::asin}, {"acos", numeric::acos}, {"atan", numeric::atan},
      {"exp", numeric::exp},   {"log", numeric::log},   {"log10", numeric::log10}};
  static const std::map<std::string, double (*)(double, double)> binary = {
      {"atan2", numeric::atan2}, {"hypot", numeric::hypot}, {"pow", numeric::pow}};
  if (const auto u = unary.find(name); u != unary.end()) return u->second(a);
  return binary.at(name)(a, b);
}

// The stored cases hold mpmath's correctly rounded result and the other double next to the
// exact value; a case marked 1 was, when stored, given that neighbour (under an ulp off).
TEST(Elementary, AgreesWithTheStoredCorrectlyRoundedValues) {
  std::ifstream in(ZERKON_NUMERIC_CASES);
  ASSERT_TRUE(in) << ZERKON_NUMERIC_CASES;
  std::map<std::string, int> counts;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name;
    fields >> name;
    const bool twoArguments = name == "atan2" || name == "hypot" || name == "pow";
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    std::uint64_t rounded = 0;
    std::uint64_t neighbour = 0;
    int known = 0;
    fields >> std::hex >> a;
    if (twoArguments) fields >> b;
    fields >> rounded >> neighbour >> std::dec >> known;
    ASSERT_TRUE(fields) << line;
    const double got = call(name, fromBits(a), fromBits(b));
    const bool exact = bitsOf(got) == rounded || (std::isnan(got) && std::isnan(fromBits(rounded)));
    const bool faithful = known == 1 && bitsOf(got) == neighbour;
    EXPECT_TRUE(exact || faithful) << line << ": got " << std::hexfloat << got;
    ++counts[name];
  }
  // Every function is covered.
  EXPECT_EQ(counts.size(), 12U);
  for (const auto& [name, count] : counts) EXPECT_GE(count, 100) << name;
}

// The C functions' answers where IEEE-754 leaves no rounding: signs of zero, infinities, NaN.
TEST(Elementary, SpecialValuesAsInC) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double pi = 3.141592653589793;
  constexpr double halfPi = 1.5707963267948966;
  struct Case {
    const char* name;
    double a;
    double b;
    double want;
  };
  const Case cases[] = {
      {"sin", -0.0, 0, -0.0},
      {"sin", inf, 0, nan},
      {"cos", -inf, 0, nan},
      {"tan", -0.0, 0, -0.0},
      {"asin", 1.0000000000000002, 0, nan},
      {"acos", 1.0, 0, 0.0},
      {"acos", -1.0, 0, pi},
      {"atan", -inf, 0, -halfPi},
      {"atan2", 0.0, -0.0, pi},
      {"atan2", -0.0, -0.0, -pi},
      {"atan2", -0.0, 1.0, -0.0},
      {"atan2", inf, -inf, 2.356194490192345},
      {"atan2", -1.0, inf, -0.0},
      {"hypot", inf, nan, inf},
      {"hypot", nan, 1.0, nan},
      {"exp", -inf, 0, 0.0},
      {"exp", 710.0, 0, inf},
      {"exp", -746.0, 0, 0.0},
      {"log", 0.0, 0, -inf},
      {"log", -1.0, 0, nan},
      {"log10", 1.0, 0, 0.0},
      {"log10", 1e22, 0, 22.0},
      {"pow", nan, 0.0, 1.0},
      {"pow", 1.0, nan, 1.0},
      {"pow", -0.0, -3.0, -inf},
      {"pow", -0.0, 3.0, -0.0},
      {"pow", -1.0, inf, 1.0},
      {"pow", -8.0, 1.0 / 3.0, nan},
      {"pow", -2.0, 3.0, -8.0},
      {"pow", -inf, -3.0, -0.0},
      {"pow", 0.5, -inf, inf},
      {"pow", 10.0, 400.0, inf},
      {"pow", 4.0, 2.5, 32.0},
  };
  for (const Case& c : cases) {
    const double got = call(c.name, c.a, c.b);
    if (std::isnan(c.want)) {
      EXPECT_TRUE(std::isnan(got)) << c.name << "(" << c.a << ", " << c.b << ")";
    } else {
      EXPECT_EQ(bitsOf(got), bitsOf(c.want))
          << c.name << "(" << c.a << ", " << c.b << ") = " << got;
    }
  }
}

}  // namespace
