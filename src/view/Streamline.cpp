#include "view/Streamline.h"

#include "model/FlowModel.h"
#include "model/Truncate.h"
#include "view/Canvas.h"

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
}

void Streamline::draw(Canvas& canvas, FlowModel&) {
  canvas.selectPen(pen);
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    canvas.moveTo(truncToInt(points[k].x), truncToInt(points[k].y));
    canvas.lineTo(truncToInt(points[k + 1].x), truncToInt(points[k + 1].y));
  }
}
