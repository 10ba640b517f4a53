// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tracer drawn as an orange disc whose radius shrinks as the local
// pressure grows: 10 pixels at 100000 Pa.

#include <optional>

#include "canvas/Pen.h"
#include "model/Tracer.h"

class PressureBubble final : public Tracer {
 public:
  // Makes sure the brush exists, sets the radius to 2 and places the bubble.
  void reset(int x, int y, double vx);
  // Draws the disc at the local pressure, then steps.
  void draw(Canvas& canvas, FlowModel& model) override;
  // trunc(1e11 / P^2), capped at 100000 pixels; 0 (no disc) for NaN.
  static int radiusFor(double pressure);

  std::optional<Brush> brush;  // orange; created by the first reset
  int radius = 0;              // pixels, of the disc last drawn
};
