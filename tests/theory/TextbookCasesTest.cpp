// SPDX-License-Identifier: GPL-3.0-or-later
// A textbook case passes only with a real value within its tolerance; that every built-in
// case passes is the ctest cli.verify, which runs the tool itself.
#include "theory/TextbookCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "theory/FlatPlate.h"
#include "theory/PerfectGas.h"

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

namespace {

// The classic mistakes a student's (or a program's) plate theory makes, each applied where it
// bites; everything else is answered right.
enum class Mistake { MissingCosine, DisplayedDensity, GammaOff, MaxAtSonicPoint };

std::optional<double> mistaken(Mistake mistake, const CaseQuery& q) {
  const auto exact = [&q] {
    PlateInput input{.mach = q.mach, .angleOfAttack = radians(q.alphaDeg)};
    if (q.pressure > 0.0) input.pressure = q.pressure;
    return solveFlatPlate(input);
  };
  const double g = 1.401;
  switch (mistake) {
    case Mistake::MissingCosine:  // c_l = c_n
      if (q.quantity == CaseQuantity::Lift) return exact().exact->normalForce;
      if (q.quantity == CaseQuantity::LiftLoad)
        return exact().exact->normalForce * exact().loads->dynamicPressure;
      break;
    case Mistake::DisplayedDensity:  // q₁ = ½ρ₁V₁² with ρ₁ as the field shows it (3 decimals)
      if (q.quantity == CaseQuantity::LiftLoad || q.quantity == CaseQuantity::DragLoad) {
        const double rho = q.pressure / (kSpecificGasConstant * q.temperature);
        const double shown = std::round(rho * 1000.0) / 1000.0;
        const auto p = exact();
        const double c = q.quantity == CaseQuantity::LiftLoad ? p.exact->lift : p.exact->drag;
        return c * 0.5 * shown * q.velocity * q.velocity;
      }
      break;
    case Mistake::GammaOff:  // γ = 1.401 in the closed forms
      if (q.quantity == CaseQuantity::PrandtlMeyerAngle) {
        const double m2 = q.mach * q.mach - 1.0;
        return degrees(std::sqrt((g + 1) / (g - 1)) * std::atan(std::sqrt((g - 1) * m2 / (g + 1))) -
                       std::atan(std::sqrt(m2)));
      }
      if (q.quantity == CaseQuantity::MaxDeflection) {
        const double inv = 1.0 / (q.mach * q.mach);
        const double root = std::sqrt((g + 1) * ((g + 1) + 8 * (g - 1) * inv + 16 * inv * inv));
        const double beta = std::asin(std::sqrt(((g + 1) - 4 * inv + root) / (4 * g)));
        const double s = std::sin(beta);
        return degrees(
            std::atan2(2 * (s * s - inv) * std::cos(beta), (g + std::cos(2 * beta) + 2 * inv) * s));
      }
      break;
    case Mistake::MaxAtSonicPoint:  // θmax taken where M₂ = 1
      if (q.quantity == CaseQuantity::MaxDeflection)
        return degrees(sonicDeflection(q.mach)->deflection);
      break;
  }
  return evaluateCase(q);
}

TEST(TextbookCases, AllPassAndEachClassicMistakeFailsAtLeastOne) {
  for (const TextbookCase& c : textbookCases())
    EXPECT_TRUE(c.passes()) << c.flow << ": " << c.quantity << " " << c.computed.value_or(-1);
  for (const Mistake m : {Mistake::MissingCosine, Mistake::DisplayedDensity, Mistake::GammaOff,
                          Mistake::MaxAtSonicPoint}) {
    const auto cases = textbookCases([m](const CaseQuery& q) { return mistaken(m, q); });
    const auto failing =
        std::count_if(cases.begin(), cases.end(), [](const auto& c) { return !c.passes(); });
    EXPECT_GT(failing, 0) << "mistake " << static_cast<int>(m) << " passes every case";
  }
}

// A tolerance is half a unit of the printed value's last digit, but where a source's own
// reading (look-ups off a chart) says more; and every source is named.
TEST(TextbookCases, ToleranceIsHalfThePrintedUnitAndEverySourceIsNamed) {
  for (const TextbookCase& c : textbookCases()) {
    EXPECT_FALSE(c.source.empty()) << c.flow;
    if (c.quantity.find("look-ups") != std::string::npos) continue;
    EXPECT_DOUBLE_EQ(c.tolerance, 0.5 * std::pow(10.0, -c.printedDecimals))
        << c.flow << ": " << c.quantity;
  }
}

}  // namespace
