// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Streamline.h"

#include "model/FlowModel.h"
#include "model/Truncate.h"

namespace {
constexpr int kStartX = -200;        // pixels
constexpr double kEntrySpeed = 3.0;  // pixels per step
}  // namespace

void Streamline::trace(FlowModel& model, double startY_) {
  points.clear();
  startY = startY_;
  reset(kStartX, truncToInt(startY), kEntrySpeed);
  points.push_back({x, y});
  // The first step comes before any zone pass; every later one follows one,
  // as in the animation.
  bool inside = step(model);
  while (inside) {
    model.applyZones(*this);
    points.push_back({x, y});
    if (points.size() >= kMaxPoints - 1) break;
    inside = step(model);
  }
  points.push_back({x, y});
  if (captured) points.clear();
  vertices.resize(points.size());
  for (std::size_t k = 0; k < points.size(); ++k) {
    vertices[k] = {truncToInt(points[k].x), truncToInt(points[k].y)};
  }
}

void Streamline::draw(Canvas& canvas, FlowModel&) {
  canvas.selectPen(pen);
  canvas.polyline(vertices);
}
