// SPDX-License-Identifier: GPL-3.0-or-later
// The flat plate by shock-expansion theory: textbook numbers, consistency and every regime.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
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

PlateTheory solve(double mach, double alphaDeg, double density = 1.2, double speed = 450.0) {
  return solveFlatPlate(
      {.mach = mach, .angleOfAttack = radians(alphaDeg), .density = density, .speed = speed});
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
  EXPECT_FALSE(r.message.empty());
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
  expectRelative(r.loads->dynamicPressure, 0.5 * 1.2 * 450.0 * 450.0, 1e-15);
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
    Regime regime;
    const char* message;
    bool faces, coefficients, linear;
  } cases[] = {
      {0.8, 5.0, Regime::Subsonic, "subsonic free stream: no oblique shock or expansion fan", false,
       false, false},
      {1.0, 5.0, Regime::Subsonic, "subsonic free stream: no oblique shock or expansion fan", false,
       false, false},
      {0.0, 0.0, Regime::Subsonic, "subsonic free stream: no oblique shock or expansion fan", false,
       false, false},
      {1.3358, 8.0, Regime::Detached, "shock detached above θmax = 7.65°", false, false, true},
      {2.0, 90.0, Regime::Detached, "shock detached above θmax = 22.97°", false, false, true},
      {10.0, 35.0, Regime::Vacuum,
       "upper face turned beyond the largest Prandtl-Meyer angle: vacuum", true, true, true},
      {2.6, 5.0, Regime::ShockExpansion, nullptr, true, true, true},
      {2.6, 0.0, Regime::MachWaves, nullptr, true, true, true},
      {kNaN, 5.0, Regime::InvalidInput, nullptr, false, false, false},
      {-2.0, 5.0, Regime::InvalidInput, nullptr, false, false, false},
      {kInf, 5.0, Regime::InvalidInput, nullptr, false, false, false},
      {2.0, -1.0, Regime::InvalidInput, nullptr, false, false, false},
      {2.0, kNaN, Regime::InvalidInput, nullptr, false, false, false},
      {2.0, 91.0, Regime::InvalidInput, nullptr, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "M " << c.mach << " α " << c.alphaDeg);
    const auto r = solve(c.mach, c.alphaDeg);
    EXPECT_EQ(r.regime, c.regime);
    if (c.message) {
      EXPECT_EQ(r.message, c.message);
    }
    EXPECT_EQ(r.lower.has_value(), c.faces);
    EXPECT_EQ(r.upper.has_value(), c.faces);
    EXPECT_EQ(r.exact.has_value(), c.coefficients);
    EXPECT_EQ(r.loads.has_value(), c.coefficients);
    EXPECT_EQ(r.linear.has_value(), c.linear);
    EXPECT_EQ(r.maxDeflection.has_value(), c.linear);
    expectAllFinite(r);
  }
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
  // Loads need a usable ρ₁ and V₁; the rest of the answer does not.
  for (const auto& [density, speed] :
       {std::pair{kNaN, 450.0}, {1.2, kInf}, {-1.0, 450.0}, {1e300, 1e300}, {1.2, -450.0}}) {
    const auto r = solve(2.6, 5.0, density, speed);
    EXPECT_EQ(r.regime, Regime::ShockExpansion);
    EXPECT_FALSE(r.loads.has_value());
    expectAllFinite(r);
  }
}

TEST(FlatPlate, BusemannSecondOrderTheory) {
  const auto b = *busemannPlate(2.6, radians(5.0));
  EXPECT_NEAR(b.lowerPressure, 0.082665, 5e-7);
  EXPECT_NEAR(b.upperPressure, -0.062779, 5e-7);
  EXPECT_NEAR(b.lift, 0.144891, 5e-7);
  EXPECT_NEAR(b.drag, 0.0126763, 5e-8);
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
  }
  for (const double mach : {1.0 + 1e-15, 1e100}) {
    const auto edge = *busemannPlate(mach, radians(90.0));
    EXPECT_TRUE(std::isfinite(edge.lift) && std::isfinite(edge.drag)) << mach;
  }
}
