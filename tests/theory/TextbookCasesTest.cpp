// SPDX-License-Identifier: GPL-3.0-or-later
// A textbook case passes only with a real value within its tolerance; that every built-in
// case passes is the ctest cli.verify, which runs the tool itself.
#include "theory/TextbookCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace theory;

namespace {

TEST(TextbookCases, PassOnlyWithARealValueWithinTheTolerance) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const struct {
    std::optional<double> computed;
    bool passes;
  } cases[] = {{1.0, true},    {1.0005, true},        {0.9995, true}, {1.0006, false},
               {0.999, false}, {std::nullopt, false}, {kNaN, false}};
  for (const auto& c : cases) {
    TextbookCase t;
    t.published = 1.0;
    t.printedDecimals = 3;
    t.tolerance = 0.0005;
    t.computed = c.computed;
    EXPECT_EQ(t.passes(), c.passes) << c.computed.value_or(-1.0);
    EXPECT_EQ(t.printed(), "1.000");
  }
}

}  // namespace
