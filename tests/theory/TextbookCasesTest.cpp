// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in textbook cases: every one passes, and a case passes only with a real value
// within its tolerance.
#include "theory/TextbookCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace theory;

namespace {

TEST(TextbookCases, EveryCasePassesWithItsSourceNamed) {
  const auto cases = textbookCases();
  EXPECT_GE(cases.size(), 27u);
  for (const TextbookCase& c : cases) {
    SCOPED_TRACE(c.flow + ": " + c.quantity);
    EXPECT_TRUE(c.passes()) << "published " << c.printed() << " ± " << c.tolerance << ", program "
                            << c.computed.value_or(std::nan("")) << "\n";
    EXPECT_FALSE(c.source.empty());
    EXPECT_GT(c.tolerance, 0.0);
  }
}

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
