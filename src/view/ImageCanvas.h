// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Canvas that paints straight into the memory of a 32-bit QImage.
//
// Pixels, lines, ellipses and rectangles are written by hand into the image
// rows: the animation sets ten thousand tracer pixels every frame, and a
// painter per pixel would cost more than the whole picture. Only text goes
// through a QPainter, because glyphs need the toolkit's rasteriser.
//
// Every coordinate is welcome, including the extremes of int: shapes are
// clipped analytically before any pixel is visited, so a line or an ellipse
// costs what its visible part costs, and nothing is ever written outside the
// image.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QStaticText>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "canvas/Canvas.h"

class ImageCanvas final : public Canvas {
 public:
  // Wider pens are drawn as this width, so that a stray width cannot make a
  // single line cost minutes.
  static constexpr int kMaxPenWidth = 100;

  ImageCanvas();
  // The canvas draws on `image` until it is bound to another one; `image` must
  // be Format_RGB32 and outlive the binding. A null pointer, a null image or
  // another format leave the canvas drawing nothing.
  explicit ImageCanvas(QImage* image);
  ~ImageCanvas() override { finishText(); }
  ImageCanvas(const ImageCanvas&) = delete;
  ImageCanvas& operator=(const ImageCanvas&) = delete;

  // Takes the image's memory once; call again whenever the image is replaced.
  // The canvas knows nothing of what the image already holds.
  void bind(QImage* image);
  // Text keeps a painter open on the image from one label to the next, since
  // opening one costs more than a label's glyphs. Close it before the image
  // is swapped, replaced or destroyed; bind() and the destructor close it too.
  void finishText() { textPainter_.reset(); }

  // The colour the canvas watches for (alpha aside); none until one is set.
  void setKeyColour(Colour colour);
  // True when the image was last filled whole with another colour and no
  // drawing since can have put an opaque key pixel, or any pixel that is not
  // opaque, into it. False whenever that is not certain.
  bool keyFree() const { return keyFree_; }

  void selectPen(const Pen& pen) override;
  void selectBrush(const Brush& brush) override;
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
  const QFont& font() const { return qFont_; }

  static constexpr std::uint32_t toPixel(Colour c) {
    return 0xff000000u | std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
  }

 private:
  // Every public drawing call that writes `pixel` tells the key watch first.
  void noteWrite(std::uint32_t pixel) { keyFree_ = keyFree_ && (pixel & 0x00ffffffu) != keyPixel_; }
  // Text pixels are the toolkit's blends: look at what it left in `area`.
  void noteText(const QRect& area);
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
  // A thin solid line between two pixels of the image, end excluded: every
  // pixel between lies in the image too, so a pointer walks the rows
  // unchecked, visiting the very pixels of the general line.
  void walk(CanvasPoint from, CanvasPoint to, std::uint32_t pixel);
  int penWidth() const;
  // Whether the pixel `step` pixels into a line of the current pen is painted.
  bool penOn(std::int64_t step) const;
  // The text's bounding box in image coordinates clipped to `clip`; empty when
  // nothing of it can show, which also keeps huge coordinates away from Qt.
  // Only after measure(), which makes the font's metrics.
  QRect textArea(std::int64_t x, std::int64_t y, int textWidth, const QRect& clip) const;
  // A painter may have detached a shared image; take its memory again.
  void refreshBits();
  const QFontMetrics& metrics();
  // The line height of the current font, pixels; asked for several times per label.
  int textHeight();
  // `text` laid out in the current font, with its advance. Laying out shapes
  // the text, which costs more than drawing the rest of a frame's labels; the
  // labels are the same from frame to frame, so the last few are kept.
  struct Measured {
    QString text;
    int advance = 0;  // pixels
    QStaticText layout;
  };
  const Measured& measure(const QString& text);
  // Draws a measured text with the top of its line at (x, y).
  void paintText(const Measured& text, int x, int y, const QRect& clip);

  QImage* image_ = nullptr;
  std::uint32_t* bits_ = nullptr;  // first pixel of the bound image
  std::int64_t stride_ = 0;        // pixels from one row to the next
  std::int64_t width_ = 0;         // pixels
  std::int64_t height_ = 0;        // pixels

  Pen pen_;
  Brush brush_;
  Font font_;
  QFont qFont_;  // font_ realised
  // Of qFont_, for ascent and text extent; made on first use, because font
  // metrics need the application object and a canvas may be made before it.
  std::optional<QFontMetrics> metrics_;
  int textHeight_ = 0;                   // pixels, of metrics_ once it exists
  std::array<Measured, 4> measured_;     // for the current font; empty texts are unused slots
  std::size_t nextMeasured_ = 0;         // the slot the next new text takes
  QPen textPen_{Qt::black};              // text is always black
  std::optional<QPainter> textPainter_;  // on image_, with qFont_ and textPen_
  // The key without its alpha byte; beyond 24 bits while no key is set, so
  // that no pixel matches it.
  std::uint32_t keyPixel_ = 0xffffffffu;
  bool keyFree_ = false;

  int currentX_ = 0;
  int currentY_ = 0;
};
