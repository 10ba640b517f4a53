// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tracer run from the left of the picture to the end of its path in one
// go, every position recorded, drawn as a green polyline.

#include <cstddef>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"
#include "canvas/Pen.h"
#include "model/Tracer.h"

struct PathPoint {
  double x = 0.0;  // pixels
  double y = 0.0;  // pixels
};

class Streamline final : public Tracer {
 public:
  // A path never holds more positions than this; a tracer brought to rest
  // inside the picture would otherwise trace forever.
  static constexpr std::size_t kMaxPoints = 100000;

  // Runs the path from (-200, startY); a path that runs into the leading
  // edge is dropped.
  void trace(FlowModel& model, double startY);
  void draw(Canvas& canvas, FlowModel& model) override;

  Pen pen = palette::kStreamline;
  double startY = 15.0;  // pixels, of the last trace
  // The recorded path; trace() alone writes it, together with its pixels.
  std::vector<PathPoint> points;

 private:
  // The path in whole pixels, made with it: a frame draws it as it stands.
  std::vector<CanvasPoint> vertices;
};
