// SPDX-License-Identifier: GPL-3.0-or-later
// The flat plate by shock-expansion theory: textbook numbers, consistency and every regime.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "theory/Busemann.h"
#include "theory/FlatPlate.h"
#include "theory/NormalShock.h"
#include "theory/PerfectGas.h"
#include "theory/PrandtlMeyer.h"

using namespace theory;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

PlateTheory solve(double mach, double alphaDeg, std::optional<double> pressure = 1e5,
                  std::optional<double> temperature = 273.0) {
  return solveFlatPlate({.mach = mach,
                         .angleOfAttack = radians(alphaDeg),
                         .pressure = pressure,
                         .temperature = temperature});
}

void expectRelative(double actual, double expected, double tolerance) {
  EXPECT_LE(std::fabs(actual - expected), tolerance * std::fabs(expected))
      << "actual " << actual << " expected " << expected;
}

// Every number the result holds, so that none of them can hide a NaN.
void expectAllFinite(const PlateTheory& r) {
  auto check = [](std::optional<double> v) { EXPECT_TRUE(!v || std::isfinite(*v)) << *v; };
  auto ratios = [&](const FaceRatios& f) {
    check(f.pressure), check(f.temperature), check(f.density);
  };
  check(r.machAngle), check(r.prandtlMeyerAngle);
  if (r.maxDeflection) check(r.maxDeflection->deflection), check(r.maxDeflection->shockAngle);
  if (r.lower) check(r.lower->shockAngle), check(r.lower->mach), ratios(r.lower->ratios);
  if (r.upper) check(r.upper->prandtlMeyerAngle), check(r.upper->mach), ratios(r.upper->ratios);
  if (r.exact) {
    check(r.exact->normalForce), check(r.exact->lift), check(r.exact->drag);
    check(r.exact->liftToDrag);
  }
  if (r.linear) check(r.linear->lift), check(r.linear->drag);
  if (r.loads) check(r.loads->dynamicPressure), check(r.loads->lift), check(r.loads->drag);
  EXPECT_FALSE(std::string(regimeKey(r.regime)).empty());
}

}  // namespace

TEST(FlatPlate, TextbookCaseMach2Point6At5Degrees) {
  const auto r = solve(2.6, 5.0);
  ASSERT_EQ(r.regime, Regime::ShockExpansion);
  EXPECT_NEAR(degrees(r.lower->shockAngle), 26.41, 0.005);
  EXPECT_NEAR(r.lower->ratios.pressure, 1.3942, 5e-5);
  EXPECT_NEAR(*r.upper->mach, 2.8323, 5e-5);
  EXPECT_NEAR(r.upper->ratios.pressure, 0.69995, 5e-6);
  EXPECT_NEAR(r.exact->lift, 0.1461, 5e-5);
  EXPECT_NEAR(r.exact->drag, 0.01279, 5e-6);
  EXPECT_NEAR(r.linear->lift, 0.1454, 5e-5);
  EXPECT_NEAR(r.linear->drag, 0.01269, 5e-6);
  // q₁ = ½γp₁M₁² from the stream's own p₁, never from a rounded density.
  expectRelative(r.loads->dynamicPressure, 0.5 * 1.4 * 1e5 * 2.6 * 2.6, 1e-15);
  expectRelative(r.loads->lift, r.exact->lift * r.loads->dynamicPressure, 1e-15);
  expectRelative(r.loads->drag, r.exact->drag * r.loads->dynamicPressure, 1e-15);
}

TEST(FlatPlate, FacesAgreeWithClosedFormsAndForcesWithTheAngle) {
  constexpr double g = kGamma;
  const struct {
    double mach, alphaDeg;
  } cases[] = {{1.5, 3.0}, {2.0, 10.0}, {2.6, 5.0}, {3.0, 0.5}, {5.0, 25.0}, {4.0, 30.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "M " << c.mach << " α " << c.alphaDeg);
    const double alpha = radians(c.alphaDeg);
    const auto r = solve(c.mach, c.alphaDeg);
    ASSERT_EQ(r.regime, Regime::ShockExpansion);

    const double mn2 = std::pow(c.mach * std::sin(r.lower->shockAngle), 2);
    expectRelative(r.lower->ratios.pressure, (2 * g * mn2 - (g - 1)) / (g + 1), 1e-10);

    const double mu = *r.upper->mach;
    EXPECT_NEAR(*prandtlMeyer(mu), *prandtlMeyer(c.mach) + alpha, 1e-12);
    const double t = (1 + 0.5 * (g - 1) * c.mach * c.mach) / (1 + 0.5 * (g - 1) * mu * mu);
    expectRelative(r.upper->ratios.temperature, t, 1e-10);
    expectRelative(r.upper->ratios.pressure, std::pow(t, g / (g - 1)), 1e-10);
    expectRelative(r.upper->ratios.density, std::pow(t, 1 / (g - 1)), 1e-10);

    const double q = 0.5 * g * c.mach * c.mach;
    expectRelative(r.exact->normalForce, (r.lower->ratios.pressure - r.upper->ratios.pressure) / q,
                   1e-10);
    expectRelative(r.exact->drag / r.exact->lift, std::tan(alpha), 1e-12);
    expectRelative(*r.exact->liftToDrag, 1 / std::tan(alpha), 1e-12);
  }
}

TEST(FlatPlate, EveryRegimeSaysWhichNumbersExist) {
  const struct {
    double mach, alphaDeg;
    std::optional<double> pressure, temperature;
    Regime regime;
    const char* key;
    bool faces, coefficients, linear, limits;  // limits: θmax, θ_s and the vacuum angle
  } cases[] = {
      {0.8, 5.0, 1e5, 273.0, Regime::Subsonic, "subsonic", false, false, false, false},
      {0.0, 0.0, 1e5, 273.0, Regime::Subsonic, "subsonic", false, false, false, false},
      {1.0 - 1e-16, 0.0, 1e5, 273.0, Regime::Subsonic, "subsonic", false, false, false, false},
      // Sonic: θmax = 0, so any angle detaches the shock; none leaves Mach waves.
      {1.0, 5.0, 1e5, 273.0, Regime::Detached, "detached", false, false, false, true},
      {1.0, 0.0, 1e5, 273.0, Regime::MachWaves, "mach_waves", true, true, false, true},
      {1.3358, 8.0, 1e5, 273.0, Regime::Detached, "detached", false, false, true, true},
      {2.0, 90.0, 1e5, 273.0, Regime::Detached, "detached", false, false, true, true},
      {10.0, 35.0, 1e5, 273.0, Regime::Vacuum, "vacuum", true, true, true, true},
      {2.6, 5.0, 1e5, 273.0, Regime::ShockExpansion, "attached", true, true, true, true},
      {2.0, 22.8, 1e5, 273.0, Regime::SubsonicBehindShock, "attached_subsonic", true, true, true,
       true},
      {1.34, 7.5, 1e5, 273.0, Regime::SubsonicBehindShock, "attached_subsonic", true, true, true,
       true},
      {2.6, 0.0, 1e5, 273.0, Regime::MachWaves, "mach_waves", true, true, true, true},
      {2.6, 5.0, 0.0, 273.0, Regime::NoGas, "no_gas", false, false, false, false},
      {kInf, 5.0, 1e5, 0.0, Regime::AbsoluteZero, "absolute_zero", false, false, false, false},
      {kNaN, 5.0, 0.0, 0.0, Regime::AbsoluteZero, "absolute_zero", false, false, false, false},
      {2.6, 5.0, -1.0, 273.0, Regime::InvalidInput, "invalid", false, false, false, false},
      {kNaN, 5.0, 1e5, 273.0, Regime::InvalidInput, "invalid", false, false, false, false},
      {-2.0, 5.0, 1e5, 273.0, Regime::InvalidInput, "invalid", false, false, false, false},
      {kInf, 5.0, 1e5, 273.0, Regime::InvalidInput, "invalid", false, false, false, false},
      {2.0, -1.0, 1e5, 273.0, Regime::InvalidInput, "invalid", false, false, false, false},
      {2.0, kNaN, 1e5, 273.0, Regime::InvalidInput, "invalid", false, false, false, false},
      {2.0, 91.0, 1e5, 273.0, Regime::InvalidInput, "invalid", false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "M " << c.mach << " α " << c.alphaDeg);
    const auto r = solve(c.mach, c.alphaDeg, c.pressure, c.temperature);
    EXPECT_EQ(r.regime, c.regime);
    EXPECT_STREQ(regimeKey(r.regime), c.key);
    EXPECT_EQ(r.lower.has_value(), c.faces);
    EXPECT_EQ(r.upper.has_value(), c.faces);
    EXPECT_EQ(r.exact.has_value(), c.coefficients);
    EXPECT_EQ(r.loads.has_value(), c.coefficients);
    EXPECT_EQ(r.linear.has_value(), c.linear);
    EXPECT_EQ(r.maxDeflection.has_value(), c.limits);
    EXPECT_EQ(r.sonicDeflection.has_value(), c.limits);
    EXPECT_EQ(r.vacuumAngle.has_value(), c.limits);
    expectAllFinite(r);
  }
}

// θ_s, where the gas behind the weak shock turns sonic, lies just below θmax: M₂ is 1 there,
// and the regime changes exactly at it.
TEST(FlatPlate, SonicDeflectionSeparatesSupersonicFromSubsonicBehindTheShock) {
  const struct {
    double mach, sonicDeg, maxDeg;
  } cases[] = {{1.3358, 7.28, 7.65}, {2.0, 22.71, 22.97}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mach);
    const auto r = solve(c.mach, 0.0);
    const double sonic = r.sonicDeflection->deflection;
    EXPECT_NEAR(degrees(sonic), c.sonicDeg, 0.005);
    EXPECT_NEAR(degrees(r.maxDeflection->deflection), c.maxDeg, 0.005);
    EXPECT_NEAR(weakObliqueShock(c.mach, sonic)->downstreamMach, 1.0, 1e-9);
    EXPECT_EQ(solve(c.mach, degrees(sonic) * (1 - 1e-9)).regime, Regime::ShockExpansion);
    EXPECT_EQ(solve(c.mach, degrees(sonic) * (1 + 1e-9)).regime, Regime::SubsonicBehindShock);
  }
  EXPECT_EQ(sonicDeflection(1.0)->deflection, 0.0);
}

TEST(FlatPlate, ZeroAngleKeepsTheFreeStreamBehindMachWaves) {
  const auto r = solve(2.6, 0.0);
  EXPECT_DOUBLE_EQ(r.lower->shockAngle, std::asin(1 / 2.6));
  EXPECT_EQ(*r.upper->mach, 2.6);
  EXPECT_EQ(r.lower->ratios.pressure, 1.0);
  EXPECT_EQ(r.exact->lift, 0.0);
  EXPECT_FALSE(r.exact->liftToDrag.has_value());  // 0/0
}

TEST(FlatPlate, VacuumLeavesOnlyTheLowerFacePushing) {
  const auto r = solve(10.0, 35.0);
  ASSERT_EQ(r.regime, Regime::Vacuum);
  EXPECT_FALSE(r.upper->mach.has_value());
  EXPECT_EQ(r.upper->ratios.pressure, 0.0);
  EXPECT_GE(r.upper->prandtlMeyerAngle, prandtlMeyerLimit());
  expectRelative(r.exact->normalForce, r.lower->ratios.pressure / (0.5 * kGamma * 100.0), 1e-12);
  // Just below the limit the fan still ends at a finite, very high Mach number.
  const double below = degrees(prandtlMeyerLimit() - *prandtlMeyer(10.0)) - 1e-6;
  const auto edge = solve(10.0, below);
  ASSERT_EQ(edge.regime, Regime::ShockExpansion);
  EXPECT_GT(*edge.upper->mach, 1e4);
}

TEST(FlatPlate, ExtremeInputsGiveNoNaNAndNoHang) {
  const double machs[] = {1.0 + 1e-15, 1.0001, 1.3358, 6.0, 1e3, 1e8, 1e100, 1e101};
  const double alphas[] = {0.0, 1e-300, 1e-8, 0.5, 7.6458, 22.9735, 45.0, 89.999, 90.0};
  for (const double mach : machs) {
    for (const double alpha : alphas) {
      SCOPED_TRACE(testing::Message() << "M " << mach << " α " << alpha);
      expectAllFinite(solve(mach, alpha));
    }
  }
  // Loads need p₁ and a finite q₁; the rest of the answer does not.
  for (const auto& [mach, pressure] :
       {std::pair{2.6, std::optional<double>()}, {1e100, std::optional(1e300)}}) {
    const auto r = solve(mach, 5.0, pressure);
    EXPECT_TRUE(r.exact.has_value());
    EXPECT_FALSE(r.loads.has_value());
    expectAllFinite(r);
  }
}

TEST(FlatPlate, BusemannSecondOrderTheory) {
  const auto b = *busemannPlate(2.6, radians(5.0));
  EXPECT_NEAR(b.lowerPressure, 0.082665, 5e-7);
  EXPECT_NEAR(b.upperPressure, -0.062779, 5e-7);
  // On a flat plate the θ² terms cancel: c_n is Ackeret's 4α/√(M²−1).
  EXPECT_DOUBLE_EQ(b.normalForce, 4.0 * radians(5.0) / std::sqrt(2.6 * 2.6 - 1.0));
  // The θ² term brings each face nearer the exact pressure than the linear ±C₁α.
  for (const double alphaDeg : {2.0, 10.0, 20.0}) {
    SCOPED_TRACE(alphaDeg);
    const auto r = solve(2.6, alphaDeg);
    const auto second = *busemannPlate(2.6, radians(alphaDeg));
    const double q = 0.5 * kGamma * 2.6 * 2.6;
    const double linear = 2.0 / std::sqrt(2.6 * 2.6 - 1.0) * radians(alphaDeg);
    const double lower = (r.lower->ratios.pressure - 1.0) / q;
    const double upper = (r.upper->ratios.pressure - 1.0) / q;
    EXPECT_LT(std::fabs(second.lowerPressure - lower), std::fabs(linear - lower));
    EXPECT_LT(std::fabs(second.upperPressure - upper), std::fabs(-linear - upper));
  }
  // A free stream with no supersonic theory, or an angle out of range, gives nothing.
  const struct {
    double mach, alphaDeg, gamma;
  } refused[] = {{1.0, 5.0, kGamma},  {kNaN, 5.0, kGamma}, {2e100, 5.0, kGamma},
                 {2.0, -1.0, kGamma}, {2.0, 91.0, kGamma}, {2.0, 5.0, 1.0},
                 {2.0, 5.0, kInf},    {2.0, kNaN, kGamma}};
  for (const auto& c : refused) {
    EXPECT_FALSE(busemannPlate(c.mach, radians(c.alphaDeg), c.gamma).has_value())
        << c.mach << " " << c.alphaDeg << " " << c.gamma;
    EXPECT_FALSE(thirdOrderPlate(c.mach, radians(c.alphaDeg), c.gamma).has_value());
  }
}

// Just above M₁ = 1 the coefficients are huge and of both signs: every value must keep its
// relative accuracy, not merely stay finite. The reference is the same algebra in long double
// with M² − 1 formed exactly.
TEST(FlatPlate, SmallDisturbanceTheoriesKeepTheirDigitsJustAboveMachOne) {
  for (const double mach : {1.0 + 1e-8, 1.0 + 2e-14, 1.0 + 2.220446049250313e-16}) {
    for (const double alphaDeg : {0.01, 1.0, 10.0}) {
      SCOPED_TRACE(testing::Message() << "M − 1 " << mach - 1.0 << " α " << alphaDeg);
      const double alpha = radians(alphaDeg);
      using Long = long double;
      const Long m = mach;
      const Long g = kGamma;
      const Long b2 = (m - 1) * (m + 1);
      const Long b = std::sqrt(b2);
      const Long c1 = 2 / b;
      const Long c2 = ((g + 1) * m * m * m * m - 4 * b2) / (2 * b2 * b2);
      const Long b7 = b2 * b2 * b2 * b;
      const Long m2 = m * m;
      const Long c3 = ((g + 1) * m2 * m2 * m2 * m2 + (2 * g * g - 7 * g - 5) * m2 * m2 * m2 +
                       10 * (g + 1) * m2 * m2 - 12 * m2 + 8) /
                      (6 * b7);
      const Long d = (g + 1) * m2 * m2 * ((5 - 3 * g) * m2 * m2 + 4 * (g - 3) * m2 + 8) / (48 * b7);
      const Long a = alpha;
      const auto second = *busemannPlate(mach, alpha);
      const auto third = *thirdOrderPlate(mach, alpha);
      const auto close = [](double actual, Long expected) {
        EXPECT_LE(std::fabs(static_cast<Long>(actual) - expected), 1e-13L * std::fabs(expected))
            << actual << " vs " << static_cast<double>(expected);
      };
      close(second.normalForce, 2 * c1 * a);
      close(second.lowerPressure, c1 * a + c2 * a * a);
      close(second.upperPressure, -c1 * a + c2 * a * a);
      close(third.normalForce, 2 * c1 * a + (2 * c3 - d) * a * a * a);
      close(third.lowerPressure, c1 * a + c2 * a * a + (c3 - d) * a * a * a);
      close(solve(mach, alphaDeg).linear->lift, 2 * c1 * a);
    }
  }
}

// Third order is right to its order: against exact shock-expansion theory its c_l error
// falls as α⁴, so halving α divides it by 16. (Near M₁ = 2 the α⁴ term itself nearly
// vanishes, and the ratio settles only at far smaller angles.)
TEST(FlatPlate, ThirdOrderLiftErrorFallsAsTheFourthPowerOfAlpha) {
  for (const double mach : {3.0, 6.0}) {
    double previous = 0.0;
    for (const double alphaDeg : {2.0, 1.0, 0.5, 0.25}) {
      SCOPED_TRACE(testing::Message() << "M " << mach << " α " << alphaDeg);
      const double error = std::fabs(thirdOrderPlate(mach, radians(alphaDeg))->lift -
                                     solve(mach, alphaDeg).exact->lift);
      if (previous > 0.0) {
        EXPECT_NEAR(previous / error, 16.0, 1.0);
      }
      previous = error;
    }
  }
}
