// SPDX-License-Identifier: GPL-3.0-or-later
// The animation without a toolkit: start-up, ticks, the mouse, the timer.
#include "view/FlowAnimation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/FlowModel.h"
#include "model/LowerShock.h"
#include "model/ShockZone.h"
#include "model/UpperShock.h"
#include "support/TestHost.h"

namespace {
struct Session {
  explicit Session(int width = 600, int height = 300, double velocity = 450) {
    model.setFreeStream(velocity, 273, 100000);
    model.setDensity(1.234);
    host.canvas.recordPixels = false;
    animation.attach(width, height);
  }
  FlowModel model;
  TestHost host;
  FlowAnimation animation{model, host};
};
}  // namespace

TEST(FlowAnimation, AttachSetsTheStartUpAngleTowardsTheTopLeftCorner) {
  Session s;
  EXPECT_EQ(s.host.frameSize, std::make_pair(600, 300));
  EXPECT_NEAR(s.model.angle * 180 / M_PI, 26.57, 0.005);
  EXPECT_EQ(s.model.angle, std::asin(150 / std::sqrt(300.0 * 300 + 150 * 150)));
  EXPECT_EQ(s.model.leadingEdgeY, 150 - 100 * std::sin(s.model.angle));
  EXPECT_EQ(s.host.frames, 1);  // the first frame of the simulated drag
  EXPECT_TRUE(s.host.probes.empty());
  EXPECT_EQ(s.host.timer, std::vector<int>{25});
  EXPECT_EQ(s.host.canvas.calls[0], "transparent");
  EXPECT_EQ(s.host.canvas.calls[1], "font DejaVu Sans 70");
}

TEST(FlowAnimation, RespawnedTracersWaitLeftOfThePicture) {
  Session s;
  ASSERT_EQ(s.animation.tracers().size(), 10000u);
  for (const Tracer& t : s.animation.tracers()) {
    EXPECT_GE(t.x, -60);
    EXPECT_LE(t.x, 0);
    EXPECT_GE(t.y, 0);
    EXPECT_LE(t.y, 300);
    EXPECT_EQ(t.x, std::trunc(t.x));
    EXPECT_EQ(t.vx, 3.0);
    EXPECT_EQ(t.vy, 0.0);
    EXPECT_FALSE(t.turned || t.captured);
  }
  const double edge = s.model.leadingEdgeY;
  for (int i = 0; i < 200; ++i) {
    s.animation.respawnBubble(0);
    s.animation.respawnBubble(1);
    const double above = edge - s.animation.bubbles()[0]->y;
    const double below = s.animation.bubbles()[1]->y - edge;
    EXPECT_GE(above, 19);
    EXPECT_LE(above, 71);
    EXPECT_GE(below, 19);
    EXPECT_LE(below, 121);
  }
}

TEST(FlowAnimation, StreamlinesStartAtTheirHeights) {
  Session s;
  const double expected[] = {300, -50, -20, 10, 40, 70, 100, 130, 160, 190, 220, 250};
  for (int i = 0; i < 12; ++i)
    EXPECT_NEAR(s.animation.streamlines()[i].startY, expected[i], 1e-9) << i;
}

TEST(FlowAnimation, EachTickMovesEveryTracerTwice) {
  Session s;
  const Tracer before = s.animation.tracers()[0];
  s.animation.onTick();
  const Tracer& after = s.animation.tracers()[0];
  EXPECT_EQ(after.x, before.x + 6);  // free flow far from the plate: 3 pixels, twice
  EXPECT_EQ(s.host.frames, 2);
  EXPECT_EQ(s.host.canvas.pixels, 10000);  // the start-up frame had no tracers yet
  // A paint request steps once more, without a zone pass.
  s.animation.onPaintRequest();
  EXPECT_EQ(s.animation.tracers()[0].x, before.x + 9);
}

TEST(FlowAnimation, MouseDragsTurnThePlateAndPlainMovesProbe) {
  Session s;
  s.animation.onMouseMove(0, 123, 45);
  s.animation.onMouseMove(2, 124, 46);  // another button is not a drag
  EXPECT_EQ(s.host.probes, (std::vector<std::pair<int, int>>{{123, 45}, {124, 46}}));
  const int frames = s.host.frames;
  s.animation.onMouseMove(1, 400, 250);  // 45 degrees to the lower right
  EXPECT_DOUBLE_EQ(s.model.angle, M_PI / 4);
  EXPECT_EQ(s.host.probes.size(), 2u);
  EXPECT_EQ(s.host.frames, frames + 1);
  EXPECT_EQ(s.model.lowerShock().plateAngle, s.model.angle);
}

TEST(FlowAnimation, TheTimerRestartsAtTwentyMilliseconds) {
  Session s;
  s.animation.setTimerEnabled(false);
  s.animation.setTimerEnabled(true);
  EXPECT_EQ(s.host.timer, (std::vector<int>{25, 0, 20}));
}

TEST(FlowAnimation, TwoRunsAnimateIdentically) {
  Session a, b;
  for (int i = 0; i < 40; ++i) {
    a.animation.onTick();
    b.animation.onTick();
  }
  for (std::size_t i = 0; i < a.animation.tracers().size(); ++i) {
    const Tracer& p = a.animation.tracers()[i];
    const Tracer& q = b.animation.tracers()[i];
    ASSERT_TRUE(p.x == q.x && p.y == q.y && p.vx == q.vx && p.vy == q.vy && p.turned == q.turned)
        << i;
  }
  EXPECT_EQ(a.host.canvas.calls.size(), b.host.canvas.calls.size());
}

TEST(FlowAnimation, TheCloudIsTurnedByTheZones) {
  Session s(672, 465);
  for (int i = 0; i < 100; ++i) s.animation.onTick();
  int turned = 0;
  for (const Tracer& t : s.animation.tracers()) turned += t.turned;
  EXPECT_GT(turned, 500);
}

TEST(FlowAnimation, ARestingFreeStreamNeverHangs) {
  Session s(600, 300, 0.0);  // V1 = 0 brings every tracer to rest
  for (int i = 0; i < 3; ++i) s.animation.onTick();
  for (const auto& line : s.animation.streamlines())
    EXPECT_LE(line.points.size(), Streamline::kMaxPoints);
}

TEST(FlowAnimation, TinyAndLargePicturesWork) {
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 2}, {197, 300}, {2000, 1500}}) {
    Session s(w, h);
    s.animation.onTick();
    s.animation.onMouseMove(1, -1000000, 1000000);
    s.animation.onMouseMove(1, w, 0);
    s.animation.onTick();
  }
  SUCCEED();
}

// Only particles that cannot move any more are respawned, in index order from the one random
// sequence, exactly as respawnTracer and respawnBubble would place them; a healthy cloud is
// left bit for bit.
TEST(FlowAnimation, RespawnStalledTakesOnlyParticlesThatCannotMove) {
  Session s, mirror;
  for (int i = 0; i < 30; ++i) s.animation.onTick(), mirror.animation.onTick();
  EXPECT_EQ(s.animation.respawnStalled(), 0u);

  const double nan = std::nan("");
  const double inf = INFINITY;
  const struct {
    std::size_t index;
    double vx, vy, x;
  } stalls[] = {{3, 0.0, 0.0, 10},
                {40, nan, 0.0, 10},
                {41, 2.0, -inf, 10},
                {500, 1.0, 1.0, nan},
                {9999, -0.0, 0.0, 10}};
  for (FlowAnimation* a : {&s.animation, &mirror.animation}) {
    for (const auto& st : stalls) {
      Tracer& t = a->tracers()[st.index];
      t.vx = st.vx, t.vy = st.vy, t.x = st.x;
    }
    a->tracers()[7].vx = 0.0;  // moving straight up or down is not stalled
    a->tracers()[7].vy = 1.0;
    a->bubbles()[1]->vx = a->bubbles()[1]->vy = 0.0;
  }
  EXPECT_EQ(s.animation.respawnStalled(), std::size(stalls) + 1);
  for (const auto& st : stalls) mirror.animation.respawnTracer(st.index);
  mirror.animation.respawnBubble(1);

  const auto& a = s.animation.tracers();
  const auto& b = mirror.animation.tracers();
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].x, b[i].x) << i;
    ASSERT_EQ(a[i].y, b[i].y) << i;
    ASSERT_EQ(a[i].vx, b[i].vx) << i;
  }
  EXPECT_EQ(a[7].vy, 1.0);
  EXPECT_EQ(s.animation.bubbles()[1]->y, mirror.animation.bubbles()[1]->y);
  EXPECT_EQ(s.animation.bubbles()[1]->vx, 3.0);
}
