// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/RasterCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <utility>

#include "canvas/GlyphFont.h"

namespace {

// One period of each broken pen, pixel by pixel: dash 18 on, 6 off;
// dash-dot 9 on, 6 off, 3 on, 6 off.
constexpr int kDashPeriod = 24;
constexpr std::array<bool, kDashPeriod> pattern(PenStyle style) {
  std::array<bool, kDashPeriod> on{};
  for (int i = 0; i < kDashPeriod; ++i) {
    on[i] = style == PenStyle::Dash ? i < 18 : (i < 9 || (i >= 15 && i < 18));
  }
  return on;
}
constexpr std::array<bool, kDashPeriod> kDash = pattern(PenStyle::Dash);
constexpr std::array<bool, kDashPeriod> kDashDot = pattern(PenStyle::DashDot);

int clampToInt(double value) {
  constexpr double lo = std::numeric_limits<int>::min();
  constexpr double hi = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(std::round(value), lo, hi));
}

// A half-open interval of columns [first, last]; empty when first > last.
struct Columns {
  std::int64_t first = 1;
  std::int64_t last = 0;
  bool empty() const { return first > last; }
};

Columns intersect(Columns a, Columns b) {
  return {std::max(a.first, b.first), std::min(a.last, b.last)};
}

// The rows of the ellipse inscribed in a box; a pixel belongs to it when its
// centre does, which keeps every row symmetric and never leaves the box.
class EllipseRows {
 public:
  EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
      : top_(top),
        bottom_(bottom),
        cx_((static_cast<double>(left) + static_cast<double>(right)) / 2.0),
        cy_((static_cast<double>(top) + static_cast<double>(bottom)) / 2.0),
        a_(static_cast<double>(right - left) / 2.0),
        b_(static_cast<double>(bottom - top) / 2.0) {}

  Columns row(std::int64_t y) const {
    if (y < top_ || y >= bottom_) return {};
    const double u = (static_cast<double>(y) + 0.5 - cy_) / b_;
    const double halfWidth = a_ * std::sqrt(std::max(0.0, 1.0 - u * u));
    return {static_cast<std::int64_t>(std::ceil(cx_ - halfWidth - 0.5)),
            static_cast<std::int64_t>(std::floor(cx_ + halfWidth - 0.5))};
  }

 private:
  std::int64_t top_;
  std::int64_t bottom_;
  double cx_;
  double cy_;
  double a_;
  double b_;
};

}  // namespace

RasterCanvas::RasterCanvas(PixelView view) {
  bind(view);
}

void RasterCanvas::bind(PixelView view) {
  bits_ = nullptr;
  stride_ = width_ = height_ = 0;
  keyFree_ = false;
  if (view.bits == nullptr || view.width <= 0 || view.height <= 0 || view.stride < view.width) {
    return;
  }
  bits_ = view.bits;
  stride_ = view.stride;
  width_ = view.width;
  height_ = view.height;
}

void RasterCanvas::setKeyColour(Colour colour) {
  keyPixel_ = toPixel(colour) & 0x00ffffffu;
  keyFree_ = false;
}

void RasterCanvas::selectPen(const Pen& pen) {
  pen_ = pen;
}

void RasterCanvas::selectBrush(const Brush& brush) {
  brush_ = brush;
}

void RasterCanvas::selectFont(const Font& font) {
  font_ = font;
}

void RasterCanvas::moveTo(int x, int y) {
  currentX_ = x;
  currentY_ = y;
}

void RasterCanvas::lineTo(int x, int y) {
  line(currentX_, currentY_, x, y, 0);
  moveTo(x, y);
}

void RasterCanvas::polyline(std::span<const CanvasPoint> points) {
  if (points.size() < 2) return;
  moveTo(points.back().x, points.back().y);
  if (bits_ == nullptr) return;
  // A 1-pixel pen paints only inside the box of a segment's ends, and a
  // streamline's segments are a few pixels long: most lie wholly inside the
  // picture or wholly beside it, and need none of the general line's work.
  const bool thin = penWidth() == 1;
  const bool solid = pen_.style == PenStyle::Solid;
  const std::uint32_t pixel = toPixel(pen_.colour);
  const int width = static_cast<int>(width_);
  const int height = static_cast<int>(height_);
  const auto inside = [&](CanvasPoint p) {
    return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height;
  };
  for (std::size_t k = 1; k < points.size(); ++k) {
    const CanvasPoint a = points[k - 1];
    const CanvasPoint b = points[k];
    if (thin && ((a.x < 0 && b.x < 0) || (a.y < 0 && b.y < 0) || (a.x >= width && b.x >= width) ||
                 (a.y >= height && b.y >= height))) {
      continue;
    }
    if (thin && solid && inside(a) && inside(b)) {
      noteWrite(pixel);
      walk(a, b, pixel);
    } else {
      line(a.x, a.y, b.x, b.y, 0);
    }
  }
}

void RasterCanvas::walk(CanvasPoint from, CanvasPoint to, std::uint32_t pixel) {
  // Both ends in the image, so every difference and product here fits.
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  const int adx = dx < 0 ? -dx : dx;
  const int ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const int major = xMajor ? adx : ady;
  const int minor = xMajor ? ady : adx;
  const std::ptrdiff_t rowStep = dy < 0 ? -stride_ : stride_;
  const std::ptrdiff_t columnStep = dx < 0 ? -1 : 1;
  const std::ptrdiff_t along = xMajor ? columnStep : rowStep;
  const std::ptrdiff_t across = xMajor ? rowStep : columnStep;
  std::uint32_t* at = bits_ + from.y * stride_ + from.x;
  // The general line's Bresenham, kept as 2 i minor + major = 2 major q + r.
  int r = major;
  for (int i = 0; i < major; ++i) {
    *at = pixel;
    at += along;
    r += 2 * minor;
    if (r >= 2 * major) {
      r -= 2 * major;
      at += across;
    }
  }
}

int RasterCanvas::penWidth() const {
  return std::clamp(pen_.width, 1, kMaxPenWidth);
}

bool RasterCanvas::penOn(std::int64_t step) const {
  // A pen wider than a pixel always draws solid lines: a dash pattern on a
  // wide pen would break the plate and the force arrow into blocks.
  if (pen_.style == PenStyle::Solid || penWidth() > 1) return true;
  const auto& on = pen_.style == PenStyle::Dash ? kDash : kDashDot;
  return on[static_cast<std::size_t>(step % kDashPeriod)];
}

void RasterCanvas::span(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t pixel) {
  std::fill(bits_ + y * stride_ + x0, bits_ + y * stride_ + x1 + 1, pixel);
}

void RasterCanvas::plotSquare(std::int64_t x, std::int64_t y, int w, std::uint32_t pixel) {
  const std::int64_t x0 = std::max<std::int64_t>(x - (w - 1) / 2, 0);
  const std::int64_t x1 = std::min<std::int64_t>(x - (w - 1) / 2 + w - 1, width_ - 1);
  const std::int64_t y0 = std::max<std::int64_t>(y - (w - 1) / 2, 0);
  const std::int64_t y1 = std::min<std::int64_t>(y - (w - 1) / 2 + w - 1, height_ - 1);
  if (x0 > x1) return;
  for (std::int64_t row = y0; row <= y1; ++row) span(row, x0, x1, pixel);
}

std::int64_t RasterCanvas::line(int x0, int y0, int x1, int y1, std::int64_t phase) {
  const std::int64_t dx = std::int64_t{x1} - x0;
  const std::int64_t dy = std::int64_t{y1} - y0;
  const std::uint64_t adx = static_cast<std::uint64_t>(dx < 0 ? -dx : dx);
  const std::uint64_t ady = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
  const std::uint64_t steps = std::max(adx, ady);  // pixels in the line, end excluded
  const std::int64_t after = (phase + static_cast<std::int64_t>(steps % kDashPeriod)) % kDashPeriod;
  if (steps == 0 || bits_ == nullptr) return after;

  const bool xMajor = adx >= ady;
  const std::uint64_t major = xMajor ? adx : ady;
  const std::uint64_t minor = xMajor ? ady : adx;
  const int w = penWidth();
  // Bresenham along the major axis: minor offset q = round-half-up(i * minor
  // / major), kept as 2 i minor + major = 2 major q + r with 0 <= r < 2 major.
  std::uint64_t first = 0;
  std::uint64_t end = steps;
  std::uint64_t q = 0;
  std::uint64_t r = major;
  const auto inImage = [&](std::int64_t x, std::int64_t y) {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  };
  const std::int64_t sx = dx < 0 ? -1 : 1;
  const std::int64_t sy = dy < 0 ? -1 : 1;
  const std::uint32_t pixel = toPixel(pen_.colour);
  const bool inside = inImage(x0, y0) && inImage(x1, y1);
  if (inside && w == 1 && pen_.style == PenStyle::Solid) {
    noteWrite(pixel);
    walk({x0, y0}, {x1, y1}, pixel);
    return after;
  }
  // Short lines inside the picture need no clipping; the general path below
  // would find the whole line visible.
  if (!inside) {
    // Clip the ideal line to the box in which a painted point can still touch
    // the image, grown by one because a pixel strays up to half a pixel from
    // the ideal line. Liang–Barsky in doubles: exact enough for 2^32 pixels.
    // A wide pen reaches whole pixels to either side: the halves are whole.
    // NOLINTBEGIN(bugprone-integer-division)
    const double xLo = -(w / 2) - 1.0;
    const double yLo = xLo;
    const double xHi = static_cast<double>(width_ - 1 + (w - 1) / 2) + 1.0;
    const double yHi = static_cast<double>(height_ - 1 + (w - 1) / 2) + 1.0;
    // NOLINTEND(bugprone-integer-division)
    // Both ends beyond one side of the box (a streamline's first sixty-odd
    // segments, left of the picture): the clip below would reject the line too.
    if ((x0 < xLo && x1 < xLo) || (x0 > xHi && x1 > xHi) || (y0 < yLo && y1 < yLo) ||
        (y0 > yHi && y1 > yHi)) {
      return after;
    }
    double t0 = 0.0;
    double t1 = 1.0;
    const auto within = [&](double p, double bound) {  // keeps the t with p t <= bound
      if (p == 0.0) return bound >= 0.0;
      const double t = bound / p;
      if (p < 0.0) {
        t0 = std::max(t0, t);
      } else {
        t1 = std::min(t1, t);
      }
      return t0 <= t1;
    };
    const double fx = x0;
    const double fy = y0;
    if (!within(-static_cast<double>(dx), fx - xLo) || !within(static_cast<double>(dx), xHi - fx) ||
        !within(-static_cast<double>(dy), fy - yLo) || !within(static_cast<double>(dy), yHi - fy)) {
      return after;
    }
    const double n = static_cast<double>(steps);
    first = static_cast<std::uint64_t>(std::max(0.0, std::floor(t0 * n) - 2.0));
    end = static_cast<std::uint64_t>(std::min(n, std::ceil(t1 * n) + 2.0));
    // Entered directly at step `first`.
    const std::uint64_t product = first * minor;  // < 2^64: both factors < 2^32
    const std::uint64_t head = 2 * (product % major) + major;
    q = product / major + head / (2 * major);
    r = head % (2 * major);
  }
  noteWrite(pixel);
  const bool solid = pen_.style == PenStyle::Solid || w > 1;
  for (std::uint64_t i = first; i < end; ++i) {
    if (solid || penOn(phase + static_cast<std::int64_t>(i % kDashPeriod))) {
      const auto a = static_cast<std::int64_t>(i);
      const auto b = static_cast<std::int64_t>(q);
      const std::int64_t x = x0 + sx * (xMajor ? a : b);
      const std::int64_t y = y0 + sy * (xMajor ? b : a);
      if (w == 1) {
        plot(x, y, pixel);
      } else {
        plotSquare(x, y, w, pixel);
      }
    }
    r += 2 * minor;
    if (r >= 2 * major) {
      r -= 2 * major;
      ++q;
    }
  }
  return after;
}

void RasterCanvas::ellipse(int left, int top, int right, int bottom) {
  std::int64_t l = left;
  std::int64_t t = top;
  std::int64_t r = right;
  std::int64_t b = bottom;
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  if (r == l || b == t || bits_ == nullptr) return;

  const EllipseRows rows(l, t, r, b);
  const int w = penWidth();
  const std::uint32_t fill = toPixel(brush_.colour);
  const std::uint32_t rim = toPixel(pen_.colour);
  noteWrite(fill);
  noteWrite(rim);
  const Columns image{0, width_ - 1};
  // Only the rows that show; each row's span comes straight from the equation.
  for (std::int64_t y = std::max<std::int64_t>(t, 0); y < std::min(b, height_); ++y) {
    const Columns all = rows.row(y);
    if (all.empty()) continue;
    // The interior is what lies at least the pen's width from the outside,
    // sideways and up and down; rows are nested, so the rows w above and w
    // below bound all those in between.
    const Columns inner =
        intersect(intersect({all.first + w, all.last - w}, rows.row(y - w)), rows.row(y + w));
    const auto paint = [&](Columns c, std::uint32_t pixel) {
      c = intersect(c, image);
      if (!c.empty()) span(y, c.first, c.last, pixel);
    };
    if (inner.empty()) {
      paint(all, rim);
    } else {
      paint({all.first, inner.first - 1}, rim);
      paint(inner, fill);
      paint({inner.last + 1, all.last}, rim);
    }
  }
}

void RasterCanvas::fillRect(int x, int y, int width, int height, Colour colour) {
  if (bits_ == nullptr || width <= 0 || height <= 0) return;
  const std::int64_t x0 = std::max<std::int64_t>(x, 0);
  const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + width, width_) - 1;
  const std::int64_t y0 = std::max<std::int64_t>(y, 0);
  const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + height, height_) - 1;
  if (x0 > x1 || y0 > y1) return;
  const std::uint32_t pixel = toPixel(colour);
  // A whole fill leaves nothing of what was there before.
  if (x0 == 0 && y0 == 0 && x1 == width_ - 1 && y1 == height_ - 1) keyFree_ = true;
  noteWrite(pixel);
  if (x0 == 0 && x1 == width_ - 1 && stride_ == width_) {
    // Whole rows of a tightly packed image are one run of memory.
    std::uint32_t* const first = bits_ + y0 * stride_;
    const std::int64_t count = (y1 + 1 - y0) * stride_;
    if (pixel == (pixel & 0xffu) * 0x01010101u) {
      // A pixel of four equal bytes (white: 0xffffffff) is a byte fill; the C
      // library's string store writes whole cache lines without reading them.
      std::memset(first, static_cast<int>(pixel & 0xffu),
                  static_cast<std::size_t>(count) * sizeof(std::uint32_t));
    } else {
      std::fill(first, first + count, pixel);
    }
    return;
  }
  for (std::int64_t row = y0; row <= y1; ++row) span(row, x0, x1, pixel);
}

namespace {

// Black text over `pixel` with `coverage` (1 to 255): every byte, alpha too, becomes
// pixel·(255 − coverage)/255 rounded, and the coverage is added to alpha; so the raster
// engine blended the labels. Two bytes at a time, each in 16 bits of its own.
std::uint32_t darken(std::uint32_t pixel, std::uint32_t coverage) {
  const std::uint32_t keep = 255 - coverage;
  const auto scale = [keep](std::uint32_t pair) {
    const std::uint32_t t = pair * keep;
    return ((t + ((t >> 8) & 0x00ff00ffu) + 0x00800080u) >> 8) & 0x00ff00ffu;
  };
  return (scale(pixel & 0x00ff00ffu) | scale((pixel >> 8) & 0x00ff00ffu) << 8) + (coverage << 24);
}

}  // namespace

template <class CodeAt>
void RasterCanvas::drawGlyphs(std::int64_t x, std::int64_t y, std::size_t count, CodeAt codeAt,
                              const PixelBox& clip) {
  const GlyphFont& font = sceneGlyphFont();
  const std::int64_t baseline = y + font.baseline();
  // The pen in 1/64 pixel; no text is long enough to overflow it.
  std::int64_t pen = x * 64 + font.positionBias();
  int previous = -1;
  int run = 0;  // the writing system of the run so far, 0 while it has only common characters
  for (std::size_t i = 0; i < count; ++i) {
    const int index = font.glyphIndex(codeAt(i));
    const BakedGlyph& glyph = font.glyph(index);
    if (glyph.script != 0 && run != 0 && glyph.script != run) previous = -1;  // a new run
    if (glyph.script != 0) run = glyph.script;
    if (previous >= 0) pen += font.kern(previous, index);
    previous = index;
    const std::int64_t whole = pen >> 6;  // rounds down, also left of the picture
    // A glyph lies within a line height of its pen: nothing further right shows.
    if (whole > clip.right + font.lineHeight()) break;
    const GlyphImage& image = glyph.images[(pen & 63) * kGlyphSubPixels / 64];
    pen += glyph.advance;
    const std::int64_t left = whole + image.left;
    const std::int64_t top = baseline + image.top;
    const std::int64_t x0 = std::max<std::int64_t>(left, clip.left);
    const std::int64_t x1 = std::min<std::int64_t>(left + image.width - 1, clip.right);
    const std::int64_t y0 = std::max<std::int64_t>(top, clip.top);
    const std::int64_t y1 = std::min<std::int64_t>(top + image.height - 1, clip.bottom);
    if (x0 > x1 || y0 > y1) continue;
    const std::uint8_t* const coverage = font.coverage(image);
    for (std::int64_t row = y0; row <= y1; ++row) {
      const std::uint8_t* const from = coverage + (row - top) * image.width;
      std::uint32_t* const to = bits_ + row * stride_;
      for (std::int64_t column = x0; column <= x1; ++column) {
        const std::uint32_t c = from[column - left];
        if (c == 0) continue;
        const std::uint32_t pixel = darken(to[column], c);
        to[column] = pixel;
        // Blends make colours no pen has: the key watch looks at each one.
        keyFree_ = keyFree_ && (pixel & 0x00ffffffu) != keyPixel_ && (pixel >> 24) == 0xffu;
      }
    }
  }
}

void RasterCanvas::textOut(int x, int y, std::string_view text) {
  if (bits_ == nullptr || text.empty()) return;
  // 8-bit text is Latin-1: each byte is its own character.
  drawGlyphs(
      x, y, text.size(),
      [text](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[i])); },
      PixelBox{0, 0, width_ - 1, height_ - 1});
}

void RasterCanvas::drawText(int left, int top, int right, int bottom, std::u16string_view text) {
  if (bits_ == nullptr || text.empty() || right <= left || bottom <= top) return;
  const PixelBox clip{std::max<std::int64_t>(left, 0), std::max<std::int64_t>(top, 0),
                      std::min<std::int64_t>(right, width_) - 1,
                      std::min<std::int64_t>(bottom, height_) - 1};
  if (clip.left > clip.right || clip.top > clip.bottom) return;
  // Each UTF-16 unit is one character: a surrogate, which no baked glyph is, shows as
  // the font's replacement.
  drawGlyphs(
      left, top, text.size(), [text](std::size_t i) { return char32_t{text[i]}; }, clip);
}

void RasterCanvas::angleArc(int x, int y, int radius, float start, float sweep) {
  // A meaningless arc draws nothing rather than something arbitrary.
  if (!std::isfinite(start) || !std::isfinite(sweep) || radius < 0) return;
  const double r = radius;
  const auto at = [&](double degrees) {
    const double angle = degrees * std::numbers::pi / 180.0;
    return std::pair{clampToInt(x + r * std::cos(angle)), clampToInt(y - r * std::sin(angle))};
  };
  const auto [startX, startY] = at(start);
  lineTo(startX, startY);
  if (sweep == 0.0f) return;

  // More than a turn paints the whole circle once, then the remainder, so the
  // arc still ends at start + sweep.
  double turn = std::fabs(static_cast<double>(sweep));
  if (turn > 360.0) turn = 360.0 + std::fmod(turn - 360.0, 360.0);
  const double drawn = std::copysign(turn, static_cast<double>(sweep));
  // Chords at most an eighth of a pixel away from the circle.
  const double radians = turn * std::numbers::pi / 180.0;
  const int chords = static_cast<int>(std::clamp(std::ceil(radians * std::sqrt(r)), 1.0, 1e6));
  std::int64_t phase = 0;
  for (int i = 1; i <= chords; ++i) {
    const auto [nextX, nextY] = at(start + drawn * i / chords);
    phase = line(currentX_, currentY_, nextX, nextY, phase);
    moveTo(nextX, nextY);
  }
}
