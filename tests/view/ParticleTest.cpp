// SPDX-License-Identifier: GPL-3.0-or-later
// The particles of the picture beyond the plain tracer: the random numbers that place them,
// pressure bubbles and streamlines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/FlowModel.h"
#include "support/FlatPlate.h"
#include "support/RecordingCanvas.h"
#include "view/PressureBubble.h"
#include "view/Random.h"
#include "view/Streamline.h"

TEST(RandomNumbers, StartFromTheSameStateEveryRun) {
  Random r;
  EXPECT_EQ(r.next(), 16838);
  EXPECT_EQ(r.next(), 5758);
  EXPECT_EQ(r.next(), 10113);
  for (int i = 0; i < 100000; ++i) {
    const int v = r.next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
}

TEST_F(FlatPlate, BubbleRadiusFollowsThePressure) {
  const struct {
    double pressure;
    int radius;
  } cases[] = {{100000, 10}, {50000, 40},       {200000, 2},
               {1e9, 0},     {std::nan(""), 0}, {0, 100000},
               {-1, 100000}, {1, 100000},       {std::numeric_limits<double>::infinity(), 0}};
  for (const auto& c : cases)
    EXPECT_EQ(PressureBubble::radiusFor(c.pressure), c.radius) << c.pressure;
}

TEST_F(FlatPlate, BubbleDrawsItsDiscThenStepsAndSelectsNoPen) {
  RecordingCanvas canvas;
  PressureBubble b;
  b.reset(100, 50, 3.0);
  EXPECT_EQ(b.radius, 2);
  // Flat plate: the free-stream pressure wherever the bubble is.
  b.draw(canvas, model);
  EXPECT_EQ(b.radius, 10);
  EXPECT_EQ(b.x, 103);
  ASSERT_EQ(canvas.calls.size(), 2u);
  EXPECT_EQ(canvas.calls[0], "brush 255/96/0");
  EXPECT_EQ(canvas.calls[1], "ellipse (90,40) (110,60)");
}

TEST_F(FlatPlate, StreamlineStartHeightsAndTwoPointPathsInANarrowPicture) {
  // Every path of a picture at most 197 wide leaves it on the first step.
  model.setView(197, 300);
  model.setPlateAngle(0);
  Streamline s;
  s.trace(model, 40.0);
  ASSERT_EQ(s.points.size(), 2u);
  EXPECT_EQ(s.points[0].x, -200);
  EXPECT_EQ(s.points[1].x, -197);
  EXPECT_EQ(s.startY, 40.0);
}

TEST_F(FlatPlate, AStreamlineIntoTheLeadingEdgeIsDropped) {
  Streamline s;
  s.trace(model, 150.0);  // straight along the edge's row
  EXPECT_TRUE(s.captured);
  EXPECT_TRUE(s.points.empty());
  RecordingCanvas canvas;
  s.draw(canvas, model);
  EXPECT_EQ(canvas.calls.size(), 1u);  // only its pen
  s.trace(model, 100.0);
  EXPECT_GT(s.points.size(), 200u);
  EXPECT_FALSE(s.captured);
}

TEST_F(FlatPlate, ATracerAtRestEndsItsTraceAtTheCap) {
  model.setFreeStream(0, 273, 100000);  // the zones bring tracers to rest
  model.setPlateAngle(0.5);
  Streamline s;
  for (const double y : {0.0, 100.0, 150.0, 250.0}) {
    s.trace(model, y);
    EXPECT_LE(s.points.size(), Streamline::kMaxPoints);
  }
}
