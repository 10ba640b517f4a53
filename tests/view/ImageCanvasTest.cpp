// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ImageCanvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "DarkBox.h"
#include "GuardedImage.h"
#include "view/Random.h"

namespace {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kRed{255, 0, 0};
constexpr Colour kGreen{0, 160, 0};
constexpr Colour kBlue{0, 0, 255};
constexpr Colour kYellow{255, 255, 0};
constexpr std::uint32_t px(Colour c) {
  return ImageCanvas::toPixel(c);
}

std::uint32_t at(const QImage& image, int x, int y) {
  return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x];
}

int count(const QImage& image, Colour c) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += at(image, x, y) == px(c);
  }
  return n;
}

class ImageCanvasTest : public testing::Test {
 protected:
  ImageCanvasTest() { canvas.bind(&guarded.image()); }
  const QImage& image() { return guarded.image(); }
  void line(int x0, int y0, int x1, int y1) {
    canvas.moveTo(x0, y0);
    canvas.lineTo(x1, y1);
  }

  GuardedImage guarded{672, 465};
  ImageCanvas canvas;
};

// ---------------------------------------------------------------- lines

TEST_F(ImageCanvasTest, LineStopsBeforeItsEndPointWhichBecomesCurrent) {
  canvas.selectPen({PenStyle::Solid, 1, kRed});
  line(10, 10, 20, 10);
  for (int x = 10; x < 20; ++x) EXPECT_EQ(at(image(), x, 10), px(kRed)) << x;
  EXPECT_EQ(count(image(), kRed), 10);
  EXPECT_EQ(canvas.currentX(), 20);
  EXPECT_EQ(canvas.currentY(), 10);
  canvas.lineTo(20, 15);  // starts on the corner and paints it
  EXPECT_EQ(at(image(), 20, 10), px(kRed));
  EXPECT_EQ(at(image(), 20, 15), px(kWhite));
  EXPECT_EQ(count(image(), kRed), 15);

  line(5, 105, 8, 130);  // steep: one pixel per row
  for (int y = 105; y < 130; ++y) {
    int inRow = 0;
    for (int x = 0; x < 12; ++x) inRow += at(image(), x, y) == px(kRed);
    EXPECT_EQ(inRow, 1) << y;
  }
  line(300, 300, 300, 300);
  EXPECT_EQ(at(image(), 300, 300), px(kWhite));
}

TEST_F(ImageCanvasTest, PenWidthsAndDashes) {
  canvas.selectPen({PenStyle::Solid, 0, kRed});  // 0 paints like 1
  line(10, 10, 30, 10);
  EXPECT_EQ(count(image(), kRed), 20);
  canvas.selectPen({PenStyle::Solid, 2, kYellow});  // a 2 x 2 square per point
  line(10, 50, 30, 50);
  EXPECT_EQ(count(image(), kYellow), 2 * 21);
  EXPECT_EQ(at(image(), 10, 51), px(kYellow));

  canvas.selectPen({PenStyle::Dash, 1, kGreen});
  line(0, 100, 48, 100);
  canvas.selectPen({PenStyle::DashDot, 1, kBlue});
  line(0, 120, 48, 120);
  for (int x = 0; x < 48; ++x) {
    const int phase = x % 24;
    EXPECT_EQ(at(image(), x, 100) == px(kGreen), phase < 18) << x;
    EXPECT_EQ(at(image(), x, 120) == px(kBlue), phase < 9 || (phase >= 15 && phase < 18)) << x;
  }
}

// A line entering from far outside paints exactly the pixels it would paint
// if the picture were large enough to hold all of it.
TEST(ImageCanvasClipping, ClippedLinePaintsTheSamePixelsAsTheWholeLine) {
  const int dx = 1500, dy = 700;  // where the small picture sits in the large one
  struct Case {
    int x0, y0, x1, y1;
    PenStyle style;
    int width;
  };
  for (const Case& c : {Case{-1000, -357, 1500, 900, PenStyle::Solid, 1},
                        Case{-1000, -357, 1500, 900, PenStyle::Dash, 1},
                        Case{-1491, 333, 1300, 41, PenStyle::DashDot, 1},
                        Case{800, -699, 13, 1100, PenStyle::Dash, 1},
                        Case{-700, 700, 700, -300, PenStyle::Solid, 2}}) {
    GuardedImage small(672, 465);
    GuardedImage large(4000, 2500);
    ImageCanvas onSmall(&small.image());
    ImageCanvas onLarge(&large.image());
    for (ImageCanvas* canvas : {&onSmall, &onLarge}) canvas->selectPen({c.style, c.width, kRed});
    onSmall.moveTo(c.x0, c.y0);
    onSmall.lineTo(c.x1, c.y1);
    onLarge.moveTo(c.x0 + dx, c.y0 + dy);
    onLarge.lineTo(c.x1 + dx, c.y1 + dy);
    EXPECT_TRUE(small.image() == large.image().copy(dx, dy, 672, 465)) << c.x0 << ',' << c.y0;
    EXPECT_GT(count(small.image(), kRed), 0);
  }
}

// Each pixel of a thin line: i steps along the major axis and i * minor /
// major across it, rounded half up, the end pixel left out.
TEST(ImageCanvasPolyline, ThinSolidSegmentsPaintTheRoundedPixels) {
  const int cx = 300, cy = 200;
  for (int ex = -13; ex <= 13; ++ex) {
    for (int ey = -13; ey <= 13; ++ey) {
      GuardedImage image(672, 465);
      ImageCanvas canvas(&image.image());
      canvas.selectPen({PenStyle::Solid, 1, kRed});
      const CanvasPoint path[] = {{cx, cy}, {cx + ex, cy + ey}};
      canvas.polyline(path);
      const int major = std::max(std::abs(ex), std::abs(ey));
      const int minor = std::min(std::abs(ex), std::abs(ey));
      for (int i = 0; i < major; ++i) {
        const int across = (2 * i * minor + major) / (2 * major);
        const int x = std::abs(ex) >= std::abs(ey) ? i : across;
        const int y = std::abs(ex) >= std::abs(ey) ? across : i;
        EXPECT_EQ(at(image.image(), cx + (ex < 0 ? -x : x), cy + (ey < 0 ? -y : y)), px(kRed))
            << ex << ',' << ey << " step " << i;
      }
      EXPECT_EQ(count(image.image(), kRed), major) << ex << ',' << ey;
    }
  }
}

// The polyline takes shortcuts for segments inside or beside the picture; it
// must paint exactly what moving to the first point and drawing a line to
// each next one paints, with every pen.
TEST(ImageCanvasPolyline, PaintsWhatMoveToAndLineToPaint) {
  Random random;
  const auto uniform = [&](int lo, int hi) { return lo + random.next() % (hi - lo + 1); };
  for (const Pen& pen : {Pen{PenStyle::Solid, 1, kGreen}, Pen{PenStyle::Dash, 1, kGreen},
                         Pen{PenStyle::DashDot, 1, kGreen}, Pen{PenStyle::Solid, 3, kGreen},
                         Pen{PenStyle::Dash, 0, kGreen}}) {
    for (int trial = 0; trial < 40; ++trial) {
      // A wandering path of short steps from anywhere around the picture,
      // now and then a long jump or a repeated point, once the extremes.
      std::vector<CanvasPoint> path{{uniform(-250, 920), uniform(-250, 715)}};
      for (int k = 0; k < 300; ++k) {
        const CanvasPoint last = path.back();
        const int kind = uniform(0, 40);
        if (kind == 0) {
          path.push_back({uniform(-3000, 3000), uniform(-3000, 3000)});
        } else if (kind == 1) {
          path.push_back(last);
        } else {
          path.push_back({last.x + uniform(-8, 8), last.y + uniform(-8, 8)});
        }
      }
      if (trial == 0) path.insert(path.begin() + 10, {{INT_MIN, INT_MAX}, {INT_MAX, 0}});
      GuardedImage fast(672, 465);
      GuardedImage plain(672, 465);
      ImageCanvas onFast(&fast.image());
      ImageCanvas onPlain(&plain.image());
      onFast.selectPen(pen);
      onPlain.selectPen(pen);
      onFast.polyline(path);
      onPlain.Canvas::polyline(path);
      ASSERT_TRUE(fast.image() == plain.image())
          << static_cast<int>(pen.style) << " trial " << trial;
      EXPECT_EQ(onFast.currentX(), path.back().x);
      EXPECT_EQ(onFast.currentY(), path.back().y);
      EXPECT_TRUE(fast.intact());
    }
  }
}

TEST_F(ImageCanvasTest, PolylineOfFewerThanTwoPointsDrawsNothingAndStaysPut) {
  canvas.selectPen({PenStyle::Solid, 1, kRed});
  canvas.moveTo(7, 9);
  const CanvasPoint one[] = {{100, 100}};
  canvas.polyline(one);
  canvas.polyline({});
  EXPECT_EQ(count(image(), kRed), 0);
  EXPECT_EQ(canvas.currentX(), 7);
  EXPECT_EQ(canvas.currentY(), 9);
}

TEST_F(ImageCanvasTest, ExtremeCoordinatesStayInsideAndKeepTheVisiblePart) {
  const int xs[] = {INT_MIN, -1, 0, 5, 671, 672, 465, INT_MAX};
  for (const Pen& pen : {Pen{PenStyle::Solid, 1, kBlue}, Pen{PenStyle::Dash, 1, kBlue},
                         Pen{PenStyle::DashDot, 7, kBlue}}) {
    canvas.selectPen(pen);
    for (const int x0 : xs) {
      for (const int y0 : {INT_MIN, 5, INT_MAX}) {
        for (const int x1 : xs) {
          for (const int y1 : {INT_MIN, 200, 465, INT_MAX}) line(x0, y0, x1, y1);
        }
      }
    }
  }
  EXPECT_TRUE(guarded.intact());

  canvas.fillRect(0, 0, 672, 465, kWhite);
  canvas.selectPen({PenStyle::Solid, 1, kRed});
  line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  for (int i = 0; i < 465; ++i) EXPECT_EQ(at(image(), i, i), px(kRed)) << i;
  EXPECT_EQ(count(image(), kRed), 465);
  line(INT_MIN, 300, INT_MAX, 300);  // the NaN stand-in on the left
  for (int x = 0; x < 672; ++x) EXPECT_EQ(at(image(), x, 300), px(kRed)) << x;
}

// ---------------------------------------------------------------- pixels and rectangles

TEST_F(ImageCanvasTest, SetPixelAndFillRectAreClippedToTheImage) {
  canvas.setPixel(0, 0, kRed);
  canvas.setPixel(671, 464, kBlue);
  EXPECT_EQ(at(image(), 0, 0), 0xffff0000u);
  EXPECT_EQ(at(image(), 671, 464), 0xff0000ffu);
  for (const int inside : {0, 10, 464}) {
    for (const int outside : {INT_MIN, -1, 672, INT_MAX}) {
      canvas.setPixel(outside, inside, kGreen);
      canvas.setPixel(inside, outside == 672 ? 465 : outside, kGreen);
    }
  }
  canvas.fillRect(100, 100, 0, 10, kGreen);
  canvas.fillRect(100, 100, -10, 10, kGreen);
  canvas.fillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kGreen);  // ends at -1
  canvas.fillRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX, kGreen);
  EXPECT_EQ(count(image(), kGreen), 0);

  canvas.fillRect(-5, -5, 10, 8, kGreen);
  EXPECT_EQ(count(image(), kGreen), 5 * 3);
  canvas.fillRect(670, 460, 100, 100, kYellow);
  EXPECT_EQ(count(image(), kYellow), 2 * 5);
  canvas.fillRect(-10, -10, INT_MAX, INT_MAX, kYellow);
  EXPECT_EQ(count(image(), kYellow), 672 * 465);
  EXPECT_TRUE(guarded.intact());
}

// ---------------------------------------------------------------- ellipses

TEST_F(ImageCanvasTest, EllipseIsFilledWithTheBrushAndRimmedWithThePen) {
  canvas.selectPen({PenStyle::Solid, 1, kBlue});
  canvas.selectBrush({kGreen});
  canvas.ellipse(10, 10, 50, 40);
  EXPECT_EQ(at(image(), 30, 25), px(kGreen));
  EXPECT_EQ(at(image(), 10, 24), px(kBlue));  // the left edge is inside the box
  EXPECT_EQ(at(image(), 11, 24), px(kGreen));
  EXPECT_EQ(at(image(), 49, 24), px(kBlue));
  EXPECT_EQ(at(image(), 29, 10), px(kBlue));
  EXPECT_EQ(at(image(), 29, 39), px(kBlue));
  EXPECT_EQ(at(image(), 10, 10), px(kWhite));
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 60; ++x) {
      // The right and bottom edges are not, and the shape is symmetric.
      if (x < 10 || x >= 50 || y < 10 || y >= 40) {
        EXPECT_EQ(at(image(), x, y), px(kWhite));
      }
      EXPECT_EQ(at(image(), x, y), at(image(), 59 - x, y)) << x << ',' << y;
      EXPECT_EQ(at(image(), x, y), at(image(), x, 49 - y)) << x << ',' << y;
    }
  }

  canvas.selectPen({PenStyle::Solid, 2, kRed});  // a wide rim grows inwards
  canvas.ellipse(10, 100, 50, 140);
  EXPECT_EQ(at(image(), 10, 119), px(kRed));
  EXPECT_EQ(at(image(), 11, 119), px(kRed));
  EXPECT_EQ(at(image(), 12, 119), px(kGreen));
  EXPECT_EQ(at(image(), 9, 119), px(kWhite));

  canvas.ellipse(100, 300, 101, 301);  // one pixel: all rim
  canvas.ellipse(200, 300, 200, 350);  // no width: nothing
  EXPECT_EQ(at(image(), 100, 300), px(kRed));
  EXPECT_EQ(at(image(), 200, 320), px(kWhite));
}

TEST_F(ImageCanvasTest, HugeEllipseIsClippedToTheVisibleRows) {
  canvas.selectPen({PenStyle::Solid, 1, kBlue});
  canvas.selectBrush({kGreen});
  canvas.ellipse(300 - 100000, 200 - 100000, 300 + 100000, 200 + 100000);
  EXPECT_EQ(count(image(), kGreen), 672 * 465);

  canvas.fillRect(0, 0, 672, 465, kWhite);
  canvas.ellipse(300 - 100000, 200, 300 + 100000, 200 + 200000);  // its top at row 200
  EXPECT_EQ(at(image(), 300, 199), px(kWhite));
  EXPECT_EQ(at(image(), 300, 200), px(kBlue));
  EXPECT_EQ(at(image(), 300, 300), px(kGreen));
  EXPECT_EQ(at(image(), 0, 464), px(kGreen));

  canvas.ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  canvas.ellipse(INT_MAX, INT_MAX, INT_MIN, 0);
  canvas.selectPen({PenStyle::Solid, INT_MAX, kBlue});
  canvas.ellipse(INT_MIN, INT_MIN, INT_MAX, 300);
  EXPECT_TRUE(guarded.intact());
}

// ---------------------------------------------------------------- text

// Glyphs are blends, colours no pen has: the key watch looks at each pixel text
// leaves. Here the key is the darkest grey a label leaves on white.
TEST_F(ImageCanvasTest, TextThatLeavesTheKeyBehindIsNoticed) {
  canvas.fillRect(0, 0, 672, 465, kWhite);
  canvas.textOut(200, 200, "Fx = 1.00 H");
  std::uint32_t darkest = 0xffffffffu;
  for (int y = 190; y < 220; ++y) {
    for (int x = 190; x < 300; ++x) darkest = std::min(darkest, at(image(), x, y));
  }
  ASSERT_NE(darkest, 0xffffffffu);
  const auto grey = static_cast<std::uint8_t>(darkest & 0xffu);
  canvas.setKeyColour({grey, grey, grey});
  canvas.fillRect(0, 0, 672, 465, kWhite);
  ASSERT_TRUE(canvas.keyFree());
  canvas.textOut(5000, 5000, "Fx = 1.00 H");  // nowhere in the picture
  canvas.drawText(10, 10, 11, 11, u"");
  EXPECT_TRUE(canvas.keyFree());
  canvas.textOut(200, 200, "Fx = 1.00 H");
  EXPECT_FALSE(canvas.keyFree());
  // The same for text clipped to a rectangle; text in another colour than
  // the key leaves the picture free of it.
  canvas.fillRect(0, 0, 672, 465, kWhite);
  canvas.drawText(200, 200, 672, 240, u"Fx = 1.00 H");
  EXPECT_FALSE(canvas.keyFree());
  canvas.setKeyColour({1, 2, 3});
  canvas.fillRect(0, 0, 672, 465, kWhite);
  canvas.textOut(10, 10, "Fx = 1.00 H");
  EXPECT_TRUE(canvas.keyFree());
}

TEST_F(ImageCanvasTest, TextOutPutsDarkPixelsAtItsTopLeftCornerWithoutABox) {
  canvas.fillRect(0, 0, 672, 465, kYellow);
  canvas.selectFont({"Verdana", 70});
  canvas.setTransparentBackground();
  canvas.textOut(20, 30, "Mach 2");
  const QRect box = darkBox(image());
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 19);
  EXPECT_LE(box.left(), 23);
  EXPECT_GE(box.top(), 30);
  EXPECT_LE(box.top(), 33);
  EXPECT_LE(box.bottom(), 30 + 12);
  EXPECT_LE(box.right(), 20 + 60);
  int untouched = 0;  // the background between the glyphs keeps its colour
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) untouched += at(image(), x, y) == px(kYellow);
  }
  EXPECT_GT(untouched, box.width() * box.height() / 3);
  canvas.setPixel(600, 400, kRed);  // raw pixels after the painter still land
  EXPECT_EQ(at(image(), 600, 400), px(kRed));
}

TEST_F(ImageCanvasTest, DrawTextIsClippedToItsRectangle) {
  canvas.selectFont({"Verdana", 70});
  canvas.drawText(20, 30, 40, 36, u"Überschall flow");
  const QRect box = darkBox(image());
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 20);
  EXPECT_LE(box.left(), 23);
  EXPECT_LE(box.right(), 39);
  EXPECT_GE(box.top(), 30);
  EXPECT_LE(box.bottom(), 35);
}

TEST_F(ImageCanvasTest, TextFarAwayOrEmptyDrawsNothing) {
  canvas.selectFont({"Verdana", 70});
  for (const int x : {INT_MIN, -1000, 672, INT_MAX}) {
    for (const int y : {INT_MIN, -100, 465, INT_MAX}) {
      canvas.textOut(x, y, "far");
      canvas.drawText(x, y, INT_MAX, INT_MAX, u"far");
    }
  }
  canvas.textOut(10, 10, "");
  canvas.drawText(10, 10, 10, 100, u"empty rectangle");
  canvas.drawText(INT_MIN, INT_MIN, INT_MAX, INT_MAX, u"origin far away");
  EXPECT_TRUE(darkBox(image()).isEmpty());
  EXPECT_TRUE(guarded.intact());
}

// Labels have one face, the picture's: another font changes nothing of them.
TEST_F(ImageCanvasTest, EveryFontDrawsThePicturesLabelFace) {
  canvas.selectFont({"DejaVu Sans", 70});
  canvas.textOut(20, 30, "Fx = 40.19 H");
  const QImage expected = image().copy();
  for (const Font& font : {Font{}, Font{"Verdana", 60}, Font{"DejaVu Sans", 300}}) {
    canvas.fillRect(0, 0, 672, 465, kWhite);
    canvas.selectFont(font);
    EXPECT_EQ(canvas.font(), font);
    canvas.textOut(20, 30, "Fx = 40.19 H");
    EXPECT_EQ(image(), expected) << font.face << ' ' << font.tenthsOfPoint;
  }
}

// ---------------------------------------------------------------- arcs

TEST_F(ImageCanvasTest, AngleArcRunsCounterclockwiseOnTheScreen) {
  canvas.selectPen({PenStyle::Solid, 1, kRed});
  canvas.moveTo(100, 100);
  canvas.angleArc(100, 100, 50, 0, 90);
  EXPECT_EQ(canvas.currentX(), 100);
  EXPECT_EQ(canvas.currentY(), 50);
  EXPECT_EQ(at(image(), 140, 100), px(kRed));  // the line out to the start
  bool nearDiagonal = false;                   // (100 + r cos 45°, 100 - r sin 45°)
  for (int y = 63; y <= 67; ++y) {
    for (int x = 133; x <= 137; ++x) nearDiagonal |= at(image(), x, y) == px(kRed);
  }
  EXPECT_TRUE(nearDiagonal);
  EXPECT_TRUE(image().copy(0, 102, 672, 363).allGray());  // nothing below the centre
  EXPECT_TRUE(image().copy(0, 0, 99, 465).allGray());     // nor left of it

  canvas.fillRect(0, 0, 672, 465, kWhite);
  canvas.moveTo(100, 100);
  canvas.angleArc(100, 100, 50, 0, 0);  // only the line
  EXPECT_EQ(count(image(), kRed), 50);
  EXPECT_EQ(canvas.currentX(), 150);
}

TEST_F(ImageCanvasTest, AngleArcEndsAtStartPlusSweep) {
  struct Case {
    float start, sweep;
    int x, y;
  };
  for (const Case& c : {Case{0, -90, 200, 250}, Case{90, 180, 200, 250}, Case{0, 450, 200, 150},
                        Case{180, 360, 150, 200}, Case{30, 0, 243, 175}}) {
    canvas.moveTo(200, 200);
    canvas.angleArc(200, 200, 50, c.start, c.sweep);
    EXPECT_EQ(canvas.currentX(), c.x) << c.start << ' ' << c.sweep;
    EXPECT_EQ(canvas.currentY(), c.y) << c.start << ' ' << c.sweep;
  }
}

TEST_F(ImageCanvasTest, ExtremeArcsStayInsideAndMeaninglessArcsDrawNothing) {
  canvas.selectPen({PenStyle::Dash, 1, kRed});
  canvas.moveTo(300, 200);
  canvas.angleArc(300, 200, INT_MAX, 0, 360);
  canvas.angleArc(INT_MIN, INT_MIN, INT_MAX, 10, -1e30f);
  canvas.angleArc(300, 200, 100000, 0, 360);
  EXPECT_TRUE(guarded.intact());
  canvas.fillRect(0, 0, 672, 465, kWhite);
  canvas.moveTo(10, 10);
  canvas.angleArc(300, 200, 50, std::numeric_limits<float>::quiet_NaN(), 90);
  canvas.angleArc(300, 200, -5, 0, 90);
  EXPECT_EQ(count(image(), kRed), 0);
  EXPECT_EQ(canvas.currentX(), 10);
}

// ---------------------------------------------------------------- binding and sizes

TEST(ImageCanvasBinding, UnboundCanvasDrawsNothing) {
  ImageCanvas canvas;
  QImage wrongFormat(10, 10, QImage::Format_Grayscale8);
  wrongFormat.fill(7);
  QImage null;
  for (QImage* image : {static_cast<QImage*>(nullptr), &null, &wrongFormat}) {
    canvas.bind(image);
    canvas.moveTo(0, 0);
    canvas.lineTo(9, 9);
    canvas.setPixel(1, 1, kRed);
    canvas.ellipse(0, 0, 10, 10);
    canvas.fillRect(0, 0, 10, 10, kRed);
    canvas.textOut(0, 0, "x");
    canvas.drawText(0, 0, 10, 10, u"x");
  }
  EXPECT_EQ(wrongFormat.constScanLine(1)[1], 7);
}

class ImageSizes : public testing::TestWithParam<QSize> {};

TEST_P(ImageSizes, EverythingStaysInside) {
  const QSize size = GetParam();
  GuardedImage guarded(size.width(), size.height());
  ImageCanvas canvas(&guarded.image());
  canvas.selectFont({"Verdana", 70});
  for (const int width : {1, 2, 5}) {
    canvas.selectPen({PenStyle::Solid, width, kRed});
    for (const int a : {INT_MIN, -1, 0, 1, 2, INT_MAX}) {
      for (const int b : {INT_MIN, 0, 1, INT_MAX}) {
        canvas.setPixel(a, b, kBlue);
        canvas.moveTo(a, b);
        canvas.lineTo(b, a);
        canvas.ellipse(a, b, b, a);
        canvas.fillRect(a, b, 3, 3, kBlue);
        canvas.angleArc(a, b, 3, 0, 270);
        canvas.textOut(a, b, "M");
        canvas.drawText(a, b, 2, 2, u"M");
      }
    }
  }
  EXPECT_TRUE(guarded.intact());
  canvas.fillRect(0, 0, size.width(), size.height(), kYellow);
  EXPECT_EQ(count(guarded.image(), kYellow), size.width() * size.height());
  canvas.selectPen({PenStyle::Solid, 1, kRed});
  canvas.moveTo(0, 0);
  canvas.lineTo(size.width(), size.height());
  EXPECT_EQ(at(guarded.image(), size.width() - 1, size.height() - 1), px(kRed));
}

INSTANTIATE_TEST_SUITE_P(Tiny1x1Tiny2x2Large2000x1500, ImageSizes,
                         testing::Values(QSize(1, 1), QSize(2, 2), QSize(2000, 1500)));

}  // namespace
