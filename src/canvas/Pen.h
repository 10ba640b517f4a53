// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain descriptions of the drawing tools; a Canvas realises them.

#include <cstdint>
#include <string>

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

enum class PenStyle { Solid, Dash, DashDot };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // pixels
  Colour colour;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// A solid fill.
struct Brush {
  Colour colour;
  friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
  std::string face;
  int tenthsOfPoint = 0;  // 70 is 7 points
  friend bool operator==(const Font&, const Font&) = default;
};
