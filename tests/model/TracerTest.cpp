// SPDX-License-Identifier: GPL-3.0-or-later
// Tracers: their bounds, the capture near the leading edge, their pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/FlowModel.h"
#include "model/Tracer.h"
#include "support/FlatPlate.h"
#include "support/RecordingCanvas.h"

TEST_F(FlatPlate, StepBoundsAreStrict) {
  const struct {
    double x, y, vx, vy;
    bool inside;
  } cases[] = {
      {629, 10, 1, 0, false},          {628.5, 10, 0.4, 0, true},    // x < W + 30
      {10, 329, 0, 1, false},          {10, 328.5, 0, 0.4, true},    // y < H + 30
      {-599, 10, -1, 0, false},        {-598.5, 10, -0.4, 0, true},  // x > -W
      {10, -299, 0, -1, false},        {10, -298.5, 0, -0.4, true},  // y > -300
      {std::nan(""), 10, 0, 0, false},
  };
  for (const auto& c : cases) {
    Tracer t = at(c.x, c.y, c.vx, c.vy);
    EXPECT_EQ(t.step(model), c.inside) << c.x << "," << c.y;
    EXPECT_FALSE(t.captured);
  }
}

TEST_F(FlatPlate, CaptureWithinFivePixelsOfTheLeadingEdge) {
  Tracer exactly = at(190, 150, 5, 0);  // ends exactly 5.0 away
  EXPECT_TRUE(exactly.step(model));
  EXPECT_FALSE(exactly.captured);
  Tracer close = at(190, 150, 5.1, 0);  // ends 4.9 away
  EXPECT_FALSE(close.step(model));
  EXPECT_TRUE(close.captured);
  EXPECT_EQ(close.x, 195.1);  // stays where the step ended
  // A flag from an earlier step does not end a later one by itself.
  close.vx = -20;
  EXPECT_TRUE(close.step(model));
}

TEST_F(FlatPlate, DrawingStepsOnceMoreAndSetsARedPixel) {
  RecordingCanvas canvas;
  Tracer t = at(10.5, 20.7, 3, 0);
  t.draw(canvas, model);
  EXPECT_EQ(t.x, 13.5);
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0], "pixel (13,20) 255/0/0");
}
