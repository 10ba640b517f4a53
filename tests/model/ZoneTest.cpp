// SPDX-License-Identifier: GPL-3.0-or-later
// The gas state every zone derives, and the two shock zones.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "model/FanZone.h"
#include "model/FlowModel.h"
#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/ShockZone.h"
#include "model/Tracer.h"
#include "model/Truncate.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"
#include "support/RecordingCanvas.h"

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kQuarterPi = 0.78539816339744828;

// The default free stream with the plate centre at (300, 200).
struct DefaultModel : ::testing::Test {
  DefaultModel() {
    model.setView(600, 400);
    model.setFreeStream(450, 273, 100000);
    model.setDensity(1.234);
    model.reconfigure();
  }
  FlowModel model;
};
using ShockTest = DefaultModel;
}  // namespace

TEST(Truncation, FitsIn32BitsOrGivesTheSmallestInt) {
  EXPECT_EQ(truncToInt(2147483647.9), 2147483647);
  EXPECT_EQ(truncToInt(-2147483648.9), -2147483647 - 1);
  EXPECT_EQ(truncToInt(-3.7), -3);
  EXPECT_EQ(truncToInt(3.7), 3);
  EXPECT_EQ(truncToInt(2147483648.0), -2147483647 - 1);
  EXPECT_EQ(truncToInt(-2147483649.0), -2147483647 - 1);
  EXPECT_EQ(truncToInt(std::nan("")), -2147483647 - 1);
  EXPECT_EQ(truncToInt(INFINITY), -2147483647 - 1);
  EXPECT_EQ(truncToInt(-INFINITY), -2147483647 - 1);
  // The same answers when the compiler works them out...
  static_assert(truncToInt(2147483647.9) == 2147483647);
  static_assert(truncToInt(-2147483648.9) == -2147483647 - 1);
  static_assert(truncToInt(2147483648.0) == -2147483647 - 1);
  static_assert(truncToInt(-3.7) == -3);
  // ...and when the processor does, from values it cannot know beforehand.
  volatile double unknown[] = {2147483647.9, -2147483648.9, 2147483648.0, -2147483649.0,
                               std::nan(""), INFINITY,      -0.9,         1e300};
  const int expected[] = {2147483647, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, 0, INT_MIN};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(truncToInt(unknown[i]), expected[i]) << i;
}

TEST_F(ShockTest, GasStateOfTheDefaultFreeStream) {
  const auto& z = model.lowerShock();
  EXPECT_EQ(z.upstream.soundSpeed, 336.87698051365874);
  EXPECT_EQ(z.upstream.mach, 1.335799196828038);
}

TEST_F(ShockTest, LowerShockAtAQuarterPi) {
  auto& z = model.lowerShock();
  EXPECT_EQ(z.originX, 229);
  EXPECT_EQ(z.originY, 129);
  EXPECT_EQ(z.halfLength, 100);
  EXPECT_EQ(z.criticalSpeed, 358.22025347542814);
  EXPECT_EQ(z.normalSpeed, 285.15944444444443);
  EXPECT_LT(z.crossSpeed, 1e-5);
  EXPECT_EQ(z.valueAt(ValueCode::V, kDownstream, 0, 450), 427.7391666666666);
  EXPECT_EQ(z.valueAt(ValueCode::f, kDownstream, 0, 450), 427.7391666666666);
  EXPECT_EQ(z.valueAt(ValueCode::r, kDownstream, 0, 0), 0.0);
  EXPECT_DOUBLE_EQ(z.valueAt(ValueCode::T, kDownstream, 0, 273), 341.25);
  EXPECT_DOUBLE_EQ(z.valueAt(ValueCode::P, kDownstream, 0, 100000), 125000);
}

TEST_F(ShockTest, FrontAngles) {
  auto& lower = model.lowerShock();
  auto& upper = model.upperShock();
  EXPECT_EQ(upper.frontAngle, 0.07853981633974488);
  EXPECT_NEAR(upper.valueAt(ValueCode::V, kDownstream, 0, 0), 292.2516217, 5e-8);
  EXPECT_NEAR(upper.valueAt(ValueCode::r, kDownstream, 0, 0), 342.1826845, 5e-8);

  model.setPlateAngle(0);
  EXPECT_EQ(lower.frontAngle, 0.60415243338265245);
  EXPECT_EQ(upper.frontAngle, -0.39269908169872414);
  model.setPlateAngle(1.3089969389957472);
  EXPECT_EQ(lower.frontAngle, 1.3895505967801007);

  FlowModel fresh;
  EXPECT_EQ(fresh.upperShock().frontAngle, -0.52359877559829882);
}

TEST_F(ShockTest, CrossSpeedIsFiniteForEveryPositiveFreeStream) {
  for (const double v : {1e-3, 1.0, 100.0, 336.9, 450.0, 1000.0, 1e4, 1e6})
    for (const double t : {1e-3, 1.0, 273.0, 3000.0, 1e6}) {
      model.setFreeStream(v, t, 100000);
      model.reconfigure();
      EXPECT_TRUE(std::isfinite(model.lowerShock().crossSpeed)) << v << " " << t;
      EXPECT_TRUE(std::isfinite(model.lowerFan().upstream.velocity)) << v << " " << t;
    }
}

TEST_F(ShockTest, UpstreamPointsGetTheFallbackBitForBit) {
  for (FlowZone* z : std::initializer_list<FlowZone*>{&model.lowerShock(), &model.upperShock()}) {
    // Far upstream, left of the plate and far above it.
    const int x = 0;
    const int y = z == &model.lowerShock() ? 390 : -1000;
    ASSERT_LT(z->classify(x, y), 0);
    for (const double fallback : {0.1 + 0.2, -0.0, 1e-310}) {
      const double got = z->valueAt(ValueCode::T, x, y, fallback);
      EXPECT_EQ(std::signbit(got), std::signbit(fallback));
      EXPECT_EQ(got, fallback);
    }
  }
}

TEST_F(ShockTest, TheSentinelReadsDownstreamWhateverClassifySays) {
  auto& lower = model.lowerShock();
  // Row 0 lies above the leading edge: its crossing is left of the origin,
  // yet the sentinel still answers the compressed state.
  EXPECT_DOUBLE_EQ(lower.valueAt(ValueCode::T, kDownstream, -1000000, 273), 341.25);
}

TEST_F(ShockTest, LowerShockClassifiesByTheRowCrossing) {
  auto& z = model.lowerShock();
  // alpha + beta is past 90 degrees: the front leans upstream below the edge.
  const double xf = 229 + 100 / std::tan(z.plateAngle + z.frontAngle);
  EXPECT_EQ(z.classify(static_cast<int>(xf) - 1, 229), -1);
  EXPECT_EQ(z.classify(static_cast<int>(xf) + 1, 229), 1);
  // A row whose crossing is at or left of x = 0 is wholly behind the shock.
  EXPECT_EQ(z.classify(-50, 129 + 1000), 1);
}

TEST_F(ShockTest, LowerShockTurnsATracerOnceAlongThePlate) {
  auto& z = model.lowerShock();
  const double alpha = z.plateAngle;
  const double v = z.upstream.velocity;
  Tracer t;
  t.reset(10, 300, 3.0);
  z.deflect(t);  // far from the front
  EXPECT_FALSE(t.turned);
  const double xf = 229 + (300 - 129) / std::tan(alpha + z.frontAngle);
  t.x = xf - 2.5;  // within one step of the front
  z.deflect(t);
  EXPECT_TRUE(t.turned);
  EXPECT_EQ(t.vx, std::cos(alpha) * v * 0.0066666666666666671);
  EXPECT_EQ(t.vy, std::sin(alpha) * v * 0.0066666666666666671);
  // Never twice; never at or above the leading edge's row.
  t.vx = 7;
  z.deflect(t);
  EXPECT_EQ(t.vx, 7);
  Tracer above;
  above.reset(static_cast<int>(xf), 129, 3.0);
  z.deflect(above);
  EXPECT_FALSE(above.turned);
}

TEST_F(ShockTest, LowerShockTurnsAWholeRowWhoseCrossingIsLeftOfThePicture) {
  auto& z = model.lowerShock();
  Tracer t;
  t.reset(-60, 129 + 1000, 3.0);
  z.deflect(t);
  EXPECT_TRUE(t.turned);
}

TEST_F(ShockTest, UpperShockTurnsBackToTheFreeStreamOnEveryTick) {
  auto& z = model.upperShock();
  Tracer t;
  t.reset(600, 270, 1.0);  // on the trailing edge's row, far behind the front
  t.vy = -2;
  t.turned = true;
  z.deflect(t);
  EXPECT_EQ(t.vx, 450 * 0.0066666666666666671);
  EXPECT_EQ(t.vy, 0);
  EXPECT_TRUE(t.turned);
  Tracer below;
  below.reset(600, 271, 1.0);
  below.vy = 1;
  z.deflect(below);
  EXPECT_EQ(below.vy, 1);
}

TEST_F(ShockTest, FrontsAreDrawnFromAHundredthOfARadian) {
  for (const double alpha : {0.0099, 0.01}) {
    model.setPlateAngle(alpha);
    RecordingCanvas lower, upper;
    model.lowerShock().draw(lower);
    model.upperShock().draw(upper);
    if (alpha < 0.01) {
      EXPECT_TRUE(lower.calls.empty());
      EXPECT_TRUE(upper.calls.empty());
      continue;
    }
    const auto& z = model.lowerShock();
    const double phi = z.plateAngle + z.frontAngle;
    ASSERT_EQ(lower.calls.size(), 3u);
    EXPECT_EQ(lower.calls[0], "pen 1 1 0/0/0");
    EXPECT_EQ(lower.calls[1],
              "move (" + std::to_string(z.originX) + "," + std::to_string(z.originY) + ")");
    EXPECT_EQ(lower.calls[2],
              "line (" + std::to_string(truncToInt(z.originX + 1000 * std::cos(phi))) + "," +
                  std::to_string(truncToInt(z.originY + 1000 * std::sin(phi))) + ")");
    EXPECT_EQ(upper.calls.size(), 3u);
  }
}

TEST(ShockSubsonic, ZeroVelocityPropagatesWithoutACrash) {
  FlowModel model;
  model.setView(600, 400);
  model.setFreeStream(0, 273, 100000);
  model.reconfigure();
  EXPECT_FALSE(std::isfinite(model.lowerShock().normalSpeed));
  Tracer t;
  t.reset(0, 300, 3.0);
  model.applyZones(t);  // must simply run
  SUCCEED();
}

TEST(ShockChain, ZonesOfOneSideChainTheirAnswers) {
  FlowModel model;
  model.setView(600, 400);
  model.setFreeStream(450, 273, 100000);
  model.setDensity(1.234);
  model.reconfigure();
  // Upstream of both zones of a side the free-stream value comes back unchanged.
  const int x = 0, y = 390;
  ASSERT_LT(model.lowerShock().classify(x, y), 0);
  const double first = model.lowerShock().valueAt(ValueCode::P, x, y, 100000.5);
  EXPECT_EQ(model.lowerFan().valueAt(ValueCode::P, x, y, first), 100000.5);
  (void)kPi;
  (void)kQuarterPi;
}
