// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Canvas that paints straight into 32-bit pixels in plain memory.
//
// Pixels, lines, ellipses and rectangles are written by hand into the rows, and labels
// are composed from the baked glyphs of canvas/GlyphFont.h, so the picture comes out the
// same bytes on every machine, with or without a toolkit.
//
// Every coordinate is welcome, including the extremes of int: shapes are
// clipped analytically before any pixel is visited, so a line or an ellipse
// costs what its visible part costs, and nothing is ever written outside the
// pixels.

#include <cstddef>
#include <cstdint>

#include "canvas/Canvas.h"

// Pixels the canvas draws on: 0xAARRGGBB words, a row `stride` words after the one above.
struct PixelView {
  std::uint32_t* bits = nullptr;  // the top-left pixel
  int width = 0;                  // pixels
  int height = 0;                 // pixels
  std::ptrdiff_t stride = 0;      // pixels from one row to the next
};

class RasterCanvas : public Canvas {
 public:
  // Wider pens are drawn as this width, so that a stray width cannot make a
  // single line cost minutes.
  static constexpr int kMaxPenWidth = 100;

  RasterCanvas() = default;
  // The canvas draws on `view` until it is bound to other pixels; the memory must
  // outlive the binding. A null pointer, an empty size or a stride shorter than a row
  // leave the canvas drawing nothing.
  explicit RasterCanvas(PixelView view);
  RasterCanvas(const RasterCanvas&) = delete;
  RasterCanvas& operator=(const RasterCanvas&) = delete;
  ~RasterCanvas() override = default;

  // Call again whenever the memory moves. The canvas knows nothing of what the pixels
  // already hold.
  void bind(PixelView view);

  // The colour the canvas watches for (alpha aside); none until one is set.
  void setKeyColour(Colour colour);
  // True when the pixels were last filled whole with another colour and no
  // drawing since can have put an opaque key pixel, or any pixel that is not
  // opaque, into it. False whenever that is not certain.
  bool keyFree() const { return keyFree_; }

  void selectPen(const Pen& pen) override;
  void selectBrush(const Brush& brush) override;
  // Remembered only: every label is drawn in the one baked face, DejaVu Sans at 9 pixels,
  // the picture's 7 points.
  void selectFont(const Font& font) override;
  // Text is always drawn without a background here: nothing to change.
  void setTransparentBackground() override {}

  void moveTo(int x, int y) override;
  // Draws up to but not including (x, y), so that joined lines never paint
  // their shared corner twice.
  void lineTo(int x, int y) override;
  // Each segment as lineTo draws it, without two calls per segment.
  void polyline(std::span<const CanvasPoint> points) override;
  void setPixel(int x, int y, Colour colour) override {
    noteWrite(toPixel(colour));
    plot(x, y, toPixel(colour));
  }
  // The ellipse inscribed in [left, right) x [top, bottom): the interior in
  // the brush colour, a rim as thick as the pen in the pen colour.
  void ellipse(int left, int top, int right, int bottom) override;
  void fillRect(int x, int y, int width, int height, Colour colour) override;
  void textOut(int x, int y, std::string_view text) override;
  // The rectangle is [left, right) x [top, bottom).
  void drawText(int left, int top, int right, int bottom, std::u16string_view text) override;
  void angleArc(int x, int y, int radius, float start, float sweep) override;

  int currentX() const { return currentX_; }
  int currentY() const { return currentY_; }
  const Pen& pen() const { return pen_; }
  const Brush& brush() const { return brush_; }
  const Font& font() const { return font_; }

  static constexpr std::uint32_t toPixel(Colour c) {
    return 0xff000000u | std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
  }

 private:
  // Every public drawing call that writes `pixel` tells the key watch first.
  void noteWrite(std::uint32_t pixel) { keyFree_ = keyFree_ && (pixel & 0x00ffffffu) != keyPixel_; }
  void plot(std::int64_t x, std::int64_t y, std::uint32_t pixel) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[y * stride_ + x] = pixel;
  }
  // A w x w square around (x, y): how a wide pen paints one point.
  void plotSquare(std::int64_t x, std::int64_t y, int w, std::uint32_t pixel);
  // Fills columns [x0, x1] of row y, both ends already clipped.
  void span(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t pixel);
  // The pixels from (x0, y0) up to but not including (x1, y1) with the current
  // pen; `phase` is where in the dash pattern the first pixel falls, and the
  // phase after the last pixel is returned so that polylines keep their rhythm.
  std::int64_t line(int x0, int y0, int x1, int y1, std::int64_t phase);
  // A thin solid line between two pixels of the view, end excluded: every
  // pixel between lies in the view too, so a pointer walks the rows
  // unchecked, visiting the very pixels of the general line.
  void walk(CanvasPoint from, CanvasPoint to, std::uint32_t pixel);
  int penWidth() const;
  // Whether the pixel `step` pixels into a line of the current pen is painted.
  bool penOn(std::int64_t step) const;
  // Inclusive pixel bounds, already inside the pixels.
  struct PixelBox {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = -1;
    std::int64_t bottom = -1;
  };
  // `count` characters, the i-th being codeAt(i), in black with the top of their line at
  // (x, y), laid out and blended as the labels always were; only pixels in `clip` change.
  template <class CodeAt>
  void drawGlyphs(std::int64_t x, std::int64_t y, std::size_t count, CodeAt codeAt,
                  const PixelBox& clip);

  std::uint32_t* bits_ = nullptr;  // first pixel of the bound memory
  std::int64_t stride_ = 0;        // pixels from one row to the next
  std::int64_t width_ = 0;         // pixels
  std::int64_t height_ = 0;        // pixels

  Pen pen_;
  Brush brush_;
  Font font_;
  // The key without its alpha byte; beyond 24 bits while no key is set, so
  // that no pixel matches it.
  std::uint32_t keyPixel_ = 0xffffffffu;
  bool keyFree_ = false;

  int currentX_ = 0;
  int currentY_ = 0;
};
