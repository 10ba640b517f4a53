// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface every zone, tracer and the scene paint on.
//
// All coordinates are integer picture pixels, x to the right, y downwards.
// A canvas keeps its selected pen, brush and font until another is selected,
// from one frame to the next.

#include <span>
#include <string_view>

#include "canvas/Pen.h"

// A point of the picture, pixels.
struct CanvasPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void selectPen(const Pen& pen) = 0;
  virtual void selectBrush(const Brush& brush) = 0;
  virtual void selectFont(const Font& font) = 0;
  // Text is drawn without filling its background.
  virtual void setTransparentBackground() = 0;

  virtual void moveTo(int x, int y) = 0;
  // A line from the current position to (x, y) with the current pen; (x, y)
  // becomes the current position.
  virtual void lineTo(int x, int y) = 0;
  // Joined lines through the points with the current pen, exactly as a
  // moveTo to the first point and a lineTo to each next one draw them; fewer
  // than two points draw nothing and leave the current position alone.
  virtual void polyline(std::span<const CanvasPoint> points) {
    if (points.size() < 2) return;
    moveTo(points[0].x, points[0].y);
    for (const CanvasPoint& p : points.subspan(1)) lineTo(p.x, p.y);
  }
  virtual void setPixel(int x, int y, Colour colour) = 0;
  // The ellipse inside the bounding box, filled with the current brush and
  // outlined with the current pen.
  virtual void ellipse(int left, int top, int right, int bottom) = 0;
  virtual void fillRect(int x, int y, int width, int height, Colour colour) = 0;
  // One line of 8-bit text, its top-left corner at (x, y), in black.
  virtual void textOut(int x, int y, std::string_view text) = 0;
  // One line of UTF-16 text, top-left aligned in the rectangle and clipped to it.
  virtual void drawText(int left, int top, int right, int bottom, std::u16string_view text) = 0;
  // A line from the current position to the arc's start, then the arc around
  // (x, y) from `start` through `sweep` degrees, counterclockwise on the screen
  // for a positive sweep; the current position ends at the arc's end.
  virtual void angleArc(int x, int y, int radius, float start, float sweep) = 0;
};
