// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Tracer.h"

#include <cstdint>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"
#include "model/FlowModel.h"
#include "model/Truncate.h"

namespace {
constexpr double kCaptureDistance = 5.0;  // pixels from the leading edge
}  // namespace

void Tracer::reset(int x_, int y_, double vx_) {
  x = x_;
  y = y_;
  vx = vx_;
  vy = 0.0;
  turned = false;
  captured = false;
}

bool Tracer::step(const FlowModel& model) {
  x = x + vx;
  y = y + vy;
  if (model.distanceToLeadingEdge(x, y) < kCaptureDistance) {
    captured = true;
    return false;
  }
  // Left of -W nothing survives: respawned tracers wait at most W/10 out.
  const auto w = static_cast<std::int64_t>(model.viewWidth);
  const auto h = static_cast<std::int64_t>(model.viewHeight);
  return x < static_cast<double>(w + kOuterMargin) && y < static_cast<double>(h + kOuterMargin) &&
         x > static_cast<double>(-w) && y > static_cast<double>(kTopBound);
}

void Tracer::draw(Canvas& canvas, FlowModel& model) {
  step(model);
  canvas.setPixel(truncToInt(x), truncToInt(y), palette::kTracer);
}
