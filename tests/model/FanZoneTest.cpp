// SPDX-License-Identifier: GPL-3.0-or-later
// The expansion fans: rays, turning, the exit latch and the sampling scratch.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/FanZone.h"
#include "model/FlowModel.h"
#include "model/LowerFan.h"
#include "model/Tracer.h"
#include "model/Truncate.h"
#include "model/UpperFan.h"

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kStep = 0.0066666666666666671;

struct FanTest : ::testing::Test {
  FanTest() {
    model.setView(600, 400);
    model.setFreeStream(450, 273, 100000);
    model.setDensity(1.234);
  }
  // Configures a fan directly with an entry Mach number of exactly 2.
  template <class Fan>
  Fan& machTwo(Fan& fan, double alpha) {
    const double c = std::sqrt(273 * 415.7);
    fan.configure(300, 200, std::is_same_v<Fan, LowerFan>, alpha, 100, 100000, 273, 2 * c);
    return fan;
  }
  // A tracer at polar angle theta, r pixels from the fan's origin.
  static Tracer onRay(const FanZone& fan, double theta, double r) {
    Tracer t;
    t.x = fan.originX + r * std::cos(theta);
    t.y = fan.originY + r * std::sin(theta);
    t.vx = 3;
    t.vy = 0;
    return t;
  }
  FlowModel model;
};
}  // namespace

TEST_F(FanTest, RayAnglesFollowTheMachAngle) {
  auto& lower = machTwo(model.lowerFan(), kPi / 4);
  EXPECT_DOUBLE_EQ(lower.firstRayAngle, 1.3089969389957472);
  EXPECT_NEAR(lower.lastRayAngle, kPi / 4 + 0.00001, 1e-15);
  EXPECT_EQ(lower.upstream.velocity, 450);  // leaves at the free-stream speed
  auto& upper = machTwo(model.upperFan(), 0.5);
  EXPECT_DOUBLE_EQ(upper.firstRayAngle, -kPi / 6);
  EXPECT_DOUBLE_EQ(upper.lastRayAngle, 0.25 - kPi / 6 - 0.0001);
}

TEST_F(FanTest, FirstRayVelocities) {
  const double alpha = kPi / 4;
  auto& lower = machTwo(model.lowerFan(), alpha);
  // Just inside the first ray, where the gas still runs along the plate.
  Tracer t = onRay(lower, lower.firstRayAngle - 0.002, 1000);
  lower.deflect(t);
  ASSERT_EQ(lower.currentClass, 0);
  EXPECT_NEAR(t.vx, 450 * kStep * std::cos(alpha), 0.02);
  EXPECT_NEAR(t.vy, 450 * kStep * std::sin(alpha), 0.02);

  auto& upper = machTwo(model.upperFan(), alpha);
  const double v = upper.upstream.velocity;
  Tracer u = onRay(upper, upper.firstRayAngle + 0.002, 1000);
  upper.deflect(u);
  ASSERT_EQ(upper.currentClass, 0);
  EXPECT_NEAR(u.vx, v * kStep, 0.02);
  EXPECT_NEAR(u.vy, 0, 0.02);
  // On the last ray the upper fan runs the gas along the plate.
  Tracer w = onRay(upper, upper.lastRayAngle - 0.002, 1000);
  upper.deflect(w);
  ASSERT_EQ(upper.currentClass, 0);
  EXPECT_NEAR(w.vx, v * kStep * std::cos(alpha), 0.02);
  EXPECT_NEAR(w.vy, v * kStep * std::sin(alpha), 0.02);
}

TEST_F(FanTest, ExitLatchGivesLaterTracersTheFirstExitVelocity) {
  auto& fan = machTwo(model.lowerFan(), kPi / 4);
  Tracer inside = onRay(fan, (fan.firstRayAngle + fan.lastRayAngle) / 2, 40);
  Tracer first = onRay(fan, fan.lastRayAngle - 0.3, 40);
  first.vx = 2.5;
  first.vy = 0.7;
  Tracer second = onRay(fan, fan.lastRayAngle - 0.4, 60);
  second.vx = 9;
  second.vy = 9;

  fan.deflect(first);  // defines the exit velocity; the lower fan exits level
  EXPECT_EQ(fan.currentClass, 1);
  EXPECT_EQ(fan.exitVx, 2.5);
  EXPECT_EQ(first.vx, 2.5);
  EXPECT_EQ(first.vy, 0.0);
  EXPECT_FALSE(first.turned);

  fan.deflect(second);  // right after another exiting tracer: no transition
  EXPECT_EQ(second.vx, 9);
  EXPECT_FALSE(second.turned);

  fan.deflect(inside);
  EXPECT_EQ(fan.currentClass, 0);
  fan.deflect(second);  // after a tracer inside the fan: takes the remembered velocity
  EXPECT_EQ(second.vx, 2.5);
  EXPECT_EQ(second.vy, 0.0);
  EXPECT_TRUE(second.turned);

  // A reconfiguration forgets the exit velocity.
  machTwo(fan, kPi / 4);
  EXPECT_EQ(fan.exitVx, FanZone::kUnset);
  EXPECT_EQ(fan.currentClass, -1);
}

TEST_F(FanTest, UpperLatchKeepsTheFirstTracersVerticalVelocity) {
  auto& fan = machTwo(model.upperFan(), kPi / 4);
  Tracer first = onRay(fan, fan.lastRayAngle / 3, 100);
  first.vy = -0.5;
  fan.deflect(first);
  EXPECT_EQ(fan.exitVx, 3);
  EXPECT_EQ(fan.exitVy, -0.5);
  EXPECT_EQ(first.vy, -0.5);
}

TEST_F(FanTest, ValueAtBlendsAndKeepsScratch) {
  auto& upper = machTwo(model.upperFan(), kPi / 4);
  EXPECT_EQ(upper.valueAt(ValueCode::T, kDownstream, 0, 300), 240);  // 300 / 1.25
  // A zero fallback reuses the scratch of the previous query.
  EXPECT_EQ(upper.valueAt(ValueCode::T, kDownstream, 0, 0), 240);

  auto& lower = machTwo(model.lowerFan(), kPi / 4);
  // Behind the lower fan the gas is back at the free stream.
  EXPECT_EQ(lower.valueAt(ValueCode::P, kDownstream, 0, 125000), 100000);
  EXPECT_EQ(lower.valueAt(ValueCode::T, kDownstream, 0, 0), 100000);
  // Upstream of the first ray: the fallback, bit for bit.
  const int x = 100, y = 300;
  ASSERT_LT(lower.classify(x, y), 0);
  EXPECT_EQ(lower.valueAt(ValueCode::P, x, y, 123456.789), 123456.789);
}

TEST_F(FanTest, VelocityComponentsSplitTheSameSpeed) {
  auto& lower = machTwo(model.lowerFan(), kPi / 4);
  const double mid = (lower.firstRayAngle + lower.lastRayAngle) / 2;
  const int x = truncToInt(lower.originX + 60 * std::cos(mid));
  const int y = truncToInt(lower.originY + 60 * std::sin(mid));
  ASSERT_EQ(lower.classify(x, y), 0);
  const double phi = lower.valueAt(ValueCode::f, x, y, 427.7);
  const double speed = lower.lastValue;
  const double r = lower.valueAt(ValueCode::r, x, y, 0.0);
  EXPECT_NEAR(phi * phi + r * r, speed * speed, 1e-6 * speed * speed);
  EXPECT_LT(speed, 450);
  EXPECT_GT(speed, 427.7);
}

TEST(FanSubsonic, NoMachAngleGivesNanRaysWithoutACrash) {
  FlowModel model;
  model.setView(600, 400);
  model.setFreeStream(300, 273, 100000);
  model.setDensity(1.234);
  model.reconfigure();
  auto& upper = model.upperFan();
  EXPECT_TRUE(std::isnan(upper.firstRayAngle));
  EXPECT_TRUE(std::isnan(upper.lastRayAngle));
  EXPECT_EQ(upper.classify(0, 0), 0);
  EXPECT_TRUE(std::isnan(upper.valueAt(ValueCode::P, 10, 10, 100000)));
  Tracer t;
  t.reset(100, 50, 3.0);
  model.applyZones(t);
  EXPECT_TRUE(std::isnan(t.vx));
}
