// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One of the four regions of changed flow around the plate: a front anchored
// at a plate edge on one side, which turns tracers and answers flow quantities.

#include <cstdint>

#include "canvas/Palette.h"
#include "canvas/Pen.h"
#include "model/GasState.h"

class Canvas;
class FlowModel;
class Tracer;

class FlowZone {
 public:
  // Where a point lies with respect to a zone's fronts.
  enum Region : int {
    kUpstream = -1,  // ahead of the zone: the gas has not reached it
    kInside = 0,     // between the zone's fronts
    kBehind = 1,     // behind its last front
  };

  explicit FlowZone(const FlowModel& model) : model(model) {}
  virtual ~FlowZone() = default;
  FlowZone(const FlowZone&) = delete;
  FlowZone& operator=(const FlowZone&) = delete;

  // Stores the geometry and the entering gas; subclasses run this first.
  virtual void configure(int originX, int originY, bool lowerSide, double plateAngle,
                         int halfLength, double pressure, double temperature, double velocity);
  // Changes the tracer's velocity (and maybe `turned`) when it has reached the
  // zone's front or lies inside the zone; never moves it.
  virtual void deflect(Tracer& tracer) = 0;
  virtual Region classify(int x, int y) const = 0;
  // The quantity `code` at (x, y); `fallback` is its value just upstream of
  // the zone. x = kDownstream asks for the state behind all fronts.
  virtual double valueAt(ValueCode code, int x, int y, double fallback) = 0;
  // Paints the front line(s) with frontPen; nothing while the plate is nearly flat.
  virtual void draw(Canvas& canvas) const = 0;

  std::int32_t originX = 0;     // pixels: the plate edge the zone starts at
  std::int32_t originY = 0;     // pixels, downwards
  bool lowerSide = false;       // true below the plate
  double plateAngle = 0.0;      // radians
  std::int32_t halfLength = 0;  // pixels, centre to either edge
  Pen frontPen = palette::kFront;
  GasState upstream;  // the gas entering the zone

 protected:
  // Nothing is drawn below this plate angle, radians.
  static constexpr double kMinDrawAngle = 0.01;
  // Length of a drawn front, pixels.
  std::int64_t frontLength() const { return 10 * static_cast<std::int64_t>(halfLength); }

  const FlowModel& model;
};
