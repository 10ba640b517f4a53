// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PressureBubble.h"

#include <cmath>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"
#include "model/FlowModel.h"
#include "model/Truncate.h"
#include "numeric/Elementary.h"

namespace {
constexpr double kRadiusScale = 1e11;  // Pa^2 pixels
constexpr double kMaxRadius = 100000;  // pixels
}  // namespace

void PressureBubble::reset(int x_, int y_, double vx_) {
  if (!brush) brush = Brush{palette::kBubble};
  radius = 2;
  Tracer::reset(x_, y_, vx_);
}

int PressureBubble::radiusFor(double pressure) {
  const double r = kRadiusScale / numeric::pow(pressure, 2.0);
  if (std::isnan(r)) return 0;
  // A near-vacuum would give a disc larger than any picture.
  if (r > kMaxRadius) return static_cast<int>(kMaxRadius);
  return truncToInt(r);
}

void PressureBubble::draw(Canvas& canvas, FlowModel& model) {
  // No pen is selected: the outline takes whatever pen the canvas holds.
  if (brush) canvas.selectBrush(*brush);
  radius = radiusFor(model.pressureAt(truncToInt(x), truncToInt(y)));
  canvas.ellipse(truncToInt(x - radius), truncToInt(y - radius), truncToInt(x + radius),
                 truncToInt(y + radius));
  step(model);
}
