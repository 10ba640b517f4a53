// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A particle carried by the flow: a position and a velocity in picture pixels.

class Canvas;
class FlowModel;

class Tracer {
 public:
  // A step keeps a tracer while it lies below this height and less than
  // kOuterMargin beyond the right and bottom borders, pixels.
  static constexpr int kTopBound = -300;
  static constexpr int kOuterMargin = 30;

  virtual ~Tracer() = default;

  // Places the tracer at (x, y) moving at (vx, 0), with both flags clear.
  void reset(int x, int y, double vx);
  // Moves one step; true while the tracer is inside the picture's bounds and
  // did not end this step within 5 pixels of the leading edge.
  bool step(const FlowModel& model);
  // A plain tracer steps once more and shows itself as one red pixel.
  virtual void draw(Canvas& canvas, FlowModel& model);

  double vx = 1.0;        // pixels per step
  double vy = 0.0;        // pixels per step, positive downwards
  bool turned = false;    // a zone gave it a new velocity
  double x = -300.0;      // pixels
  double y = -90.0;       // pixels, downwards
  bool captured = false;  // came within 5 pixels of the leading edge
};
