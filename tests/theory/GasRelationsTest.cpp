// SPDX-License-Identifier: GPL-3.0-or-later
// Perfect-gas relations against textbook values, independent closed forms and round trips.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "theory/NormalShock.h"
#include "theory/ObliqueShock.h"
#include "theory/PerfectGas.h"
#include "theory/PrandtlMeyer.h"
#include "theory/RootFinding.h"

using namespace theory;

namespace {

constexpr double g = kGamma;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void expectRelative(double actual, double expected, double tolerance) {
  EXPECT_LE(std::fabs(actual - expected), tolerance * std::fabs(expected))
      << "actual " << actual << " expected " << expected;
}

// The weak root of the θ-β-M cubic in tan β, in trigonometric closed form.
double closedFormWeakBeta(double m, double theta) {
  const double m2 = m * m;
  const double t2 = std::tan(theta) * std::tan(theta);
  const double a = 1.0 + 0.5 * (g - 1.0) * m2;
  const double lambda =
      std::sqrt((m2 - 1.0) * (m2 - 1.0) - 3.0 * a * (1.0 + 0.5 * (g + 1.0) * m2) * t2);
  const double chi =
      ((m2 - 1.0) * (m2 - 1.0) * (m2 - 1.0) - 9.0 * a * (a + 0.25 * (g + 1.0) * m2 * m2) * t2) /
      (lambda * lambda * lambda);
  const double tanBeta =
      (m2 - 1.0 + 2.0 * lambda * std::cos((4.0 * std::numbers::pi + std::acos(chi)) / 3.0)) /
      (3.0 * a * std::tan(theta));
  return std::atan(tanBeta);
}

}  // namespace

TEST(GasRelations, TextbookValues) {
  EXPECT_NEAR(degrees(*weakShockAngle(2.0, radians(10.0))), 39.31, 0.005);
  EXPECT_NEAR(degrees(maxDeflection(2.0)->deflection), 22.97, 0.005);
  EXPECT_NEAR(degrees(*prandtlMeyer(2.0)), 26.38, 0.005);

  // The program's default free stream: 450 m/s at 273 K.
  const double mach = 450.0 / *speedOfSound(273.0);
  EXPECT_NEAR(mach, 1.3358, 5e-5);
  EXPECT_NEAR(degrees(maxDeflection(mach)->deflection), 7.65, 0.005);
}

TEST(GasRelations, WeakShockMatchesClosedFormAndSatisfiesRelation) {
  const struct {
    double mach, thetaDeg;
  } cases[] = {{1.2, 2.0},  {1.5, 5.0},  {2.0, 10.0}, {2.6, 5.0},
               {3.0, 20.0}, {5.0, 30.0}, {10.0, 1.0}, {20.0, 40.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "M " << c.mach << " θ " << c.thetaDeg);
    const double theta = radians(c.thetaDeg);
    const double beta = *weakShockAngle(c.mach, theta);
    EXPECT_LE(std::fabs(deflectionAngle(c.mach, beta) - theta), 1e-12);
    expectRelative(beta, closedFormWeakBeta(c.mach, theta), 1e-10);
    EXPECT_LT(beta, maxDeflection(c.mach)->shockAngle);  // the weak branch, not the strong
  }
}

TEST(GasRelations, MaxDeflectionIsTheMaximumAndBoundsTheWeakShock) {
  for (const double mach : {1.0001, 1.3358, 2.0, 4.0, 50.0, 1e6}) {
    SCOPED_TRACE(mach);
    const auto top = *maxDeflection(mach);
    double scanned = 0.0;
    const double mu = std::asin(1.0 / mach);
    for (int i = 0; i <= 20000; ++i) {
      scanned =
          std::max(scanned, deflectionAngle(mach, mu + (std::numbers::pi / 2 - mu) * i / 20000));
    }
    EXPECT_GE(top.deflection, scanned);
    EXPECT_LE(top.deflection - scanned, 1e-7 * top.deflection);
    EXPECT_TRUE(weakShockAngle(mach, top.deflection).has_value());
    EXPECT_FALSE(weakShockAngle(mach, top.deflection * (1 + 1e-12)).has_value());
  }
  EXPECT_NEAR(degrees(maxDeflection(1e6)->shockAngle), 67.79, 0.01);  // hypersonic limit
}

TEST(GasRelations, ShockFunctionsRefuseWhatHasNoShock) {
  for (const double mach : {kNaN, -2.0, 0.5, 1.0, kInf, 2e100}) {
    EXPECT_FALSE(maxDeflection(mach).has_value()) << mach;
    EXPECT_FALSE(weakObliqueShock(mach, 0.1).has_value()) << mach;
  }
  for (const double theta : {kNaN, -1e-9, kInf}) {
    EXPECT_FALSE(weakShockAngle(2.0, theta).has_value()) << theta;
  }
  for (const double mn : {kNaN, 0.0, 0.999, kInf}) EXPECT_FALSE(normalShock(mn).has_value()) << mn;
}

TEST(GasRelations, NormalShockMatchesClosedForms) {
  for (const double m : {1.0, 1.05, 1.5, 2.0, 3.7, 10.0, 1e5}) {
    SCOPED_TRACE(m);
    const double m2 = m * m;
    const auto s = *normalShock(m);
    expectRelative(s.downstreamMach, std::sqrt(((g - 1) * m2 + 2) / (2 * g * m2 - (g - 1))), 1e-10);
    expectRelative(s.pressure, (2 * g * m2 - (g - 1)) / (g + 1), 1e-10);
    expectRelative(s.density, (g + 1) * m2 / ((g - 1) * m2 + 2), 1e-10);
    expectRelative(s.temperature,
                   (2 * g * m2 - (g - 1)) * ((g - 1) * m2 + 2) / ((g + 1) * (g + 1) * m2), 1e-10);
    expectRelative(s.stagnationPressure,
                   std::pow((g + 1) * m2 / ((g - 1) * m2 + 2), g / (g - 1)) *
                       std::pow((g + 1) / (2 * g * m2 - (g - 1)), 1 / (g - 1)),
                   1e-10);
  }
}

TEST(GasRelations, PrandtlMeyerRoundTripsAndLimits) {
  for (const double m : {1.0, 1.0001, 1.01, 1.5, 2.0, 2.6, 5.0, 10.0, 50.0, 1000.0}) {
    SCOPED_TRACE(m);
    expectRelative(*inversePrandtlMeyer(*prandtlMeyer(m)), m, 1e-10);
  }
  const double limit = std::numbers::pi / 2 * (std::sqrt(6.0) - 1.0);
  EXPECT_NEAR(prandtlMeyerLimit(), limit, 1e-15);
  EXPECT_EQ(*prandtlMeyer(kInf), prandtlMeyerLimit());
  EXPECT_EQ(*prandtlMeyer(1.0), 0.0);
  EXPECT_GT(*inversePrandtlMeyer(limit - 1e-12), 1e12);  // huge, but found
  for (const double nu : {prandtlMeyerLimit(), 3.0, -1e-9, kNaN, kInf}) {
    EXPECT_FALSE(inversePrandtlMeyer(nu).has_value()) << nu;
  }
  for (const double m : {kNaN, 0.99, -1.0}) EXPECT_FALSE(prandtlMeyer(m).has_value()) << m;
}

TEST(RootFinding, FindsBracketedRootsAndRefusesTheRest) {
  EXPECT_NEAR(*findRoot([](double x) { return x * x * x - 2.0; }, 0.0, 2.0), std::cbrt(2.0), 1e-15);
  // A jump in sign without a zero: still ends, inside the bracket, at the jump.
  const double jump = *findRoot([](double x) { return x < 0.3 ? -1.0 : 1.0; }, 0.0, 1.0);
  EXPECT_NEAR(jump, 0.3, 1e-15);
  EXPECT_FALSE(findRoot([](double x) { return x * x + 1.0; }, -1.0, 1.0).has_value());
  EXPECT_FALSE(findRoot([](double) { return kNaN; }, 0.0, 1.0).has_value());
}

TEST(GasRelations, StrongShockIsTheOtherRootAboveTheMaxDeflectionAngle) {
  EXPECT_NEAR(degrees(*strongShockAngle(2.0, radians(10.0))), 83.70, 0.005);
  for (const double mach : {1.0001, 1.3358, 2.0, 5.0, 1e6}) {
    SCOPED_TRACE(mach);
    const auto top = *maxDeflection(mach);
    EXPECT_EQ(*strongShockAngle(mach, 0.0), std::numbers::pi / 2);  // the normal shock
    EXPECT_NEAR(*strongShockAngle(mach, top.deflection), top.shockAngle, 1e-6);
    for (const double share : {1e-9, 0.3, 0.9, 0.999}) {
      const double theta = share * top.deflection;
      const double beta = *strongShockAngle(mach, theta);
      EXPECT_LE(std::fabs(deflectionAngle(mach, beta) - theta), 1e-12 + 1e-9 * theta) << share;
      EXPECT_GE(beta, top.shockAngle) << share;
      EXPECT_LE(beta, std::numbers::pi / 2) << share;
      EXPECT_LT(*weakShockAngle(mach, theta), beta) << share;
    }
    EXPECT_FALSE(strongShockAngle(mach, top.deflection * (1 + 1e-12)).has_value());
  }
  for (const double theta : {kNaN, -1e-9, kInf}) {
    EXPECT_FALSE(strongShockAngle(2.0, theta).has_value()) << theta;
  }
  for (const double mach : {kNaN, 1.0, kInf}) EXPECT_FALSE(strongShockAngle(mach, 0.1).has_value());
}
