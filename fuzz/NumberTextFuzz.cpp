// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a field's text: read, shown, read again. Nothing may fault, a read never
// gives NaN, and a shown finite value reads back as the value rounded as shown.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/NumberText.h"
#include "platform/FixedText.h"

namespace {

void check(bool ok, const char* what, const std::string& shown) {
  if (ok) return;
  std::fprintf(stderr, "number text: %s (shown \"%s\")\n", what, shown.c_str());
  std::abort();
}

std::size_t decimalsOf(const std::string& shown) {
  const std::size_t point = shown.find('.');
  return point == std::string::npos ? 0 : shown.size() - point - 1;
}

// The text a value is shown with, read and shown again.
void checkShown(double value) {
  const std::string shown = formatNumber(value);
  const double again = parseNumber(shown);
  check(!std::isnan(again), "a shown value reads as NaN", shown);
  if (!std::isfinite(value)) return;
  // Read back and written at the same precision, the text is unchanged...
  const int decimals = static_cast<int>(decimalsOf(shown));
  check(fixedText(again, decimals) == shown, "the shown text does not read back", shown);
  // ...and within half a unit of its last place of the value (a relative slack for the
  // rounding of the comparison itself).
  const double halfUnit = 0.5 * std::pow(10.0, -decimals);
  check(std::abs(again - value) <= halfUnit + std::abs(value) * 1e-15,
        "the shown text is not the value rounded", shown);
  // Shown once more it stays as it is, except when the value read back is an exact half:
  // "%.0f" rounds that up to a wider integer, so it gets one decimal fewer (9.4996 shows
  // as "9.500", 9.5 as "9.50").
  const bool half = std::abs(std::fmod(again, 1.0)) == 0.5;
  check(half || formatNumber(again) == shown, "showing the read value changes the text", shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = parseNumber(text);
  check(!std::isnan(value), "a text reads as NaN", std::string(text.substr(0, 40)));
  checkShown(value);
  // The first eight bytes as a double reach values no decimal text gives: NaNs, infinities
  // and subnormals of either sign.
  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    checkShown(raw);
  }
  return 0;
}
