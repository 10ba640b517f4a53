// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arguments as hexadecimal IEEE-754 bit patterns, one case a line, and writes each
// result of the named function the same way (for scripts/check-math.py).
//   numeric-probe FUNCTION < arguments
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "numeric/Elementary.h"

namespace {
double fromBits(std::uint64_t b) {
  double x = 0;
  std::memcpy(&x, &b, sizeof x);
  return x;
}
std::uint64_t bitsOf(double x) {
  std::uint64_t b = 0;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

using Unary = double (*)(double);
using Binary = double (*)(double, double);
struct Entry {
  std::string_view name;
  Unary unary;
  Binary binary;
};
const Entry kFunctions[] = {
    {"sin", numeric::sin, nullptr},     {"cos", numeric::cos, nullptr},
    {"tan", numeric::tan, nullptr},     {"asin", numeric::asin, nullptr},
    {"acos", numeric::acos, nullptr},   {"atan", numeric::atan, nullptr},
    {"exp", numeric::exp, nullptr},     {"log", numeric::log, nullptr},
    {"log10", numeric::log10, nullptr}, {"atan2", nullptr, numeric::atan2},
    {"hypot", nullptr, numeric::hypot}, {"pow", nullptr, numeric::pow},
};
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: numeric-probe FUNCTION < arguments\n");
    return 2;
  }
  const Entry* entry = nullptr;
  for (const Entry& e : kFunctions)
    if (e.name == argv[1]) entry = &e;
  if (entry == nullptr) {
    std::fprintf(stderr, "numeric-probe: unknown function '%s'\n", argv[1]);
    return 2;
  }
  std::uint64_t a = 0;
  std::uint64_t b = 0;
  while (std::scanf("%" SCNx64, &a) == 1) {
    double r = 0;
    if (entry->binary != nullptr) {
      if (std::scanf("%" SCNx64, &b) != 1) break;
      r = entry->binary(fromBits(a), fromBits(b));
    } else {
      r = entry->unary(fromBits(a));
    }
    std::printf("%016" PRIx64 "\n", bitsOf(r));
  }
  return 0;
}
