// SPDX-License-Identifier: GPL-3.0-or-later
// The flow model: plate geometry, drags, the free stream, the zone chain and the probe.
#include "model/FlowModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/FanZone.h"
#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/ShockZone.h"
#include "model/Truncate.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"

namespace {
constexpr double kPi = std::numbers::pi;

struct ModelTest : ::testing::Test {
  ModelTest() {
    model.setView(600, 400);
    model.setFreeStream(450, 273, 100000);
    model.setDensity(1.234);
  }
  FlowModel model;
};
}  // namespace

TEST_F(ModelTest, ConstructionAndView) {
  FlowModel fresh;
  EXPECT_EQ(fresh.angle, 0.78539816339744828);
  EXPECT_EQ(fresh.halfLength, 100.0);
  fresh.setView(601, 399);
  EXPECT_EQ(fresh.centreX, 300.0);
  EXPECT_EQ(fresh.centreY, 199.0);
}

TEST_F(ModelTest, ReconfigureChainsTheStateFromEachLeadingEdgeZone) {
  model.reconfigure();
  const auto zone = [this](int slot) { return &model.zone(FlowModel::kSlots[slot]); };
  for (int slot : {0, 2}) {
    EXPECT_EQ(zone(slot)->originX, 229);
    EXPECT_EQ(zone(slot)->originY, 129);
  }
  for (int slot : {1, 3}) {
    EXPECT_EQ(zone(slot)->originX, 370);
    EXPECT_EQ(zone(slot)->originY, 270);
  }
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_EQ(zone(slot)->halfLength, 100);
    EXPECT_EQ(zone(slot)->lowerSide, slot < 2);
    EXPECT_EQ(zone(slot)->plateAngle, model.angle);
  }
  // Behind the lower shock: compressed by 1 + alpha/pi, moving at 1.5 a*^2/V,
  // but the lower fan then takes the free-stream speed.
  const auto& lowerFan = model.lowerFan();
  EXPECT_DOUBLE_EQ(lowerFan.upstream.temperature, 341.25);
  EXPECT_DOUBLE_EQ(lowerFan.upstream.pressure, 125000);
  EXPECT_EQ(lowerFan.upstream.velocity, 450);
  EXPECT_EQ(lowerFan.upstream.mach, 427.7391666666666 / std::sqrt(341.25 * 415.7));
  // Behind the upper fan everything falls by 1 + alpha/pi.
  const auto& upperShock = model.upperShock();
  EXPECT_DOUBLE_EQ(upperShock.upstream.temperature, 273 / 1.25);
  EXPECT_DOUBLE_EQ(upperShock.upstream.pressure, 100000 / 1.25);
  EXPECT_DOUBLE_EQ(upperShock.upstream.velocity, 450 / 1.25);
}

TEST_F(ModelTest, IsAbovePlateUsesStrictComparisons) {
  model.angle = 0;
  EXPECT_TRUE(model.isAbovePlate(300, 199));
  EXPECT_FALSE(model.isAbovePlate(300, 200));
  EXPECT_TRUE(model.isAbovePlate(100, 199));
  EXPECT_FALSE(model.isAbovePlate(500, 200));
  model.angle = kPi / 4;
  EXPECT_TRUE(model.isAbovePlate(100, 128));
  EXPECT_FALSE(model.isAbovePlate(100, 130));
  EXPECT_TRUE(model.isAbovePlate(500, 270));
  EXPECT_FALSE(model.isAbovePlate(500, 271));
  // On the plate itself: below.
  EXPECT_FALSE(model.isAbovePlate(300, 200));
  EXPECT_TRUE(model.isAbovePlate(250, 149));
}

TEST_F(ModelTest, DragPlateFollowsTheMouseWithinZeroToSeventyFiveDegrees) {
  const struct {
    int x, y;
    double angle;
  } cases[] = {
      {300, 200, 0.0},                 // the centre itself
      {300, 100, 1.3089969389957472},  // straight above: clamped from pi/2
      {300, 300, 0.0},                 // straight below
      {100, 200, 0.0},                 // straight left
      {400, 100, 0.0},                 // upper right
      {200, 300, 0.0},                 // lower left
      {400, 300, kPi / 4},             // 45 degrees to the lower right
      {200, 100, kPi / 4},             // 45 degrees to the upper left
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(model.dragPlate(1, c.x, c.y));
    EXPECT_DOUBLE_EQ(model.angle, c.angle) << c.x << "," << c.y;
    EXPECT_FALSE(std::signbit(model.angle)) << c.x << "," << c.y;  // never -0.0
    EXPECT_EQ(model.leadingEdgeY, 200 - 100 * std::sin(model.angle));
    EXPECT_EQ(model.lowerShock().plateAngle, model.angle);
  }
  // Far outside and without the left button.
  EXPECT_TRUE(model.dragPlate(1 | 8, -1000000, -1000000));
  EXPECT_NEAR(model.angle, kPi / 4, 1e-3);
  const double before = model.angle;
  EXPECT_FALSE(model.dragPlate(2, 400, 210));
  EXPECT_EQ(model.angle, before);
}

TEST_F(ModelTest, DerivedFreeStream) {
  const FreeStreamDerived d = model.deriveFreeStream();
  EXPECT_NEAR(d.density, 1.23363125528, 1e-11);
  EXPECT_NEAR(d.soundSpeed, 336.876980514, 1e-9);
  EXPECT_NEAR(d.mach, 1.33579919683, 1e-11);
  EXPECT_NEAR(d.specificVolume, 0.810615000000, 1e-12);
  model.setFreeStream(450, 0, 100000);
  const FreeStreamDerived cold = model.deriveFreeStream();
  EXPECT_TRUE(std::isinf(cold.density));
  EXPECT_EQ(cold.soundSpeed, 0);
  EXPECT_TRUE(std::isinf(cold.mach));
}

TEST_F(ModelTest, FreeStreamValues) {
  EXPECT_EQ(model.freeStreamValue(ValueCode::P), 100000);
  EXPECT_EQ(model.freeStreamValue(ValueCode::R), 1.234);
  EXPECT_EQ(model.freeStreamValue(ValueCode::T), 273);
  EXPECT_EQ(model.freeStreamValue(ValueCode::V), 450);
  EXPECT_EQ(model.freeStreamValue(ValueCode::f), 450);
  EXPECT_EQ(model.freeStreamValue(ValueCode::r), 0.0);
}

TEST_F(ModelTest, SampleIsZeroBelowATenthOfARadian) {
  const FreeStream fs{273, 100000, 1.234, 450};
  model.setPlateAngle(0.09999999);
  const FlowSample zero = model.sample(300, 250, fs);
  EXPECT_EQ(zero.temperature, 0);
  EXPECT_EQ(zero.mach, 0);
  EXPECT_EQ(zero.specificVolume, 0);
  model.setPlateAngle(0.1);
  EXPECT_GT(model.sample(300, 250, fs).temperature, 0);
}

TEST_F(ModelTest, SampleBehindTheLowerShockStopsAtTheFirstZone) {
  model.reconfigure();
  const FreeStream fs{273, 100000, 1.234, 450};
  // Below the plate centre: behind the lower shock, ahead of the lower fan.
  ASSERT_GT(model.lowerShock().classify(300, 250), 0);
  ASSERT_LT(model.lowerFan().classify(300, 250), 0);
  const FlowSample s = model.sample(300, 250, fs);
  EXPECT_DOUBLE_EQ(s.temperature, 341.25);
  EXPECT_DOUBLE_EQ(s.pressure, 125000);
  EXPECT_DOUBLE_EQ(s.density, 1.234 * 1.25);
  EXPECT_EQ(s.velocityPhi, 427.7391666666666);
  EXPECT_EQ(s.velocityR, 0);
  EXPECT_EQ(s.speed, 427.7391666666666);
  EXPECT_EQ(s.soundSpeed, std::sqrt(s.temperature * 415.7));
  EXPECT_EQ(s.mach, s.speed / s.soundSpeed);
  EXPECT_EQ(s.specificVolume, 1.0 / s.density);

  // Upstream of the upper fan, far above: the free stream comes back.
  const FlowSample up = model.sample(10, 10, fs);
  EXPECT_EQ(up.temperature, 273);
  EXPECT_EQ(up.velocityPhi, 450);
}

TEST_F(ModelTest, SampleAtTheFarCornersOfThe32BitRangeDoesNotOverflow) {
  model.reconfigure();
  const FreeStream fs{273, 100000, 1.234, 450};
  for (const int x : {-2147483647 - 1, 2147483646})
    for (const int y : {-2147483647 - 1, 2147483647}) model.sample(x, y, fs);
  SUCCEED();
}
