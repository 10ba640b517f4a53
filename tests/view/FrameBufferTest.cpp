// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FrameBuffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <iterator>
#include <utility>

#include "DarkBox.h"
#include "GuardedImage.h"

namespace {

constexpr std::uint32_t kBlue = 0xff0000ff;

std::uint32_t at(const QImage& image, int x, int y) {
  return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x];
}

void fillFrame(FrameBuffer& frame, Colour colour) {
  frame.canvas().fillRect(0, 0, frame.image().width(), frame.image().height(), colour);
}

TEST(FrameBufferLife, StartsEmptyAndCreatesAndReleases) {
  FrameBuffer frame;
  EXPECT_FALSE(frame.exists());
  EXPECT_TRUE(frame.image().isNull());

  frame.create(672, 465);
  ASSERT_TRUE(frame.exists());
  EXPECT_EQ(frame.image().size(), QSize(672, 465));
  EXPECT_EQ(frame.image().format(), QImage::Format_RGB32);
  frame.canvas().setPixel(3, 4, {10, 20, 30});
  EXPECT_EQ(at(frame.image(), 3, 4), 0xff0a141eu);

  // A new size rebinds the canvas to the new image.
  frame.create(2000, 1500);
  EXPECT_EQ(frame.image().size(), QSize(2000, 1500));
  frame.canvas().setPixel(1999, 1499, {1, 2, 3});
  EXPECT_EQ(at(frame.image(), 1999, 1499), 0xff010203u);

  frame.release();
  EXPECT_FALSE(frame.exists());
  frame.release();
  EXPECT_FALSE(frame.exists());
}

TEST(FrameBufferLife, NonPositiveSizesGiveAHarmlessEmptyFrame) {
  for (const QSize size :
       {QSize(0, 0), QSize(0, 10), QSize(10, 0), QSize(-5, 10), QSize(INT_MIN, INT_MIN)}) {
    FrameBuffer frame;
    frame.create(10, 10);
    frame.create(size.width(), size.height());
    EXPECT_FALSE(frame.exists()) << size.width() << 'x' << size.height();
    Canvas& canvas = frame.canvas();
    canvas.fillRect(0, 0, 10, 10, {255, 0, 0});
    canvas.moveTo(0, 0);
    canvas.lineTo(10, 10);
    canvas.ellipse(0, 0, 10, 10);
    canvas.textOut(0, 0, "x");
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(kBlue);
    frame.blit(target);
    EXPECT_EQ(at(target, 0, 0), kBlue);
  }
}

TEST(FrameBufferBlit, LeavesOutExactlyTheTransparentColour) {
  FrameBuffer frame;
  frame.create(6, 1);
  Canvas& canvas = frame.canvas();
  canvas.setPixel(0, 0, {254, 0, 254});
  canvas.setPixel(1, 0, {255, 255, 255});
  canvas.setPixel(2, 0, {254, 0, 253});
  canvas.setPixel(3, 0, {255, 0, 254});
  canvas.setPixel(4, 0, {254, 1, 254});
  canvas.setPixel(5, 0, {0, 0, 0});
  QImage target(6, 1, QImage::Format_RGB32);
  target.fill(kBlue);
  frame.blit(target);
  EXPECT_EQ(at(target, 0, 0), kBlue);
  EXPECT_EQ(at(target, 1, 0), 0xffffffffu);
  EXPECT_EQ(at(target, 2, 0), 0xfffe00fdu);
  EXPECT_EQ(at(target, 3, 0), 0xffff00feu);
  EXPECT_EQ(at(target, 4, 0), 0xfffe01feu);
  EXPECT_EQ(at(target, 5, 0), 0xff000000u);
}

TEST(FrameBufferBlit, TinyFramesAndOtherTargetFormats) {
  for (const int side : {1, 2}) {
    FrameBuffer frame;
    frame.create(side, side);
    fillFrame(frame, {9, 9, 9});
    QImage target(3, 3, QImage::Format_ARGB32);
    target.fill(0);
    frame.blit(target);                                      // clipped to the smaller of the two
    EXPECT_EQ(at(target, side - 1, side - 1), 0xff090909u);  // opaque on an alpha target
    EXPECT_EQ(at(target, side, side), 0u);
  }
  FrameBuffer frame;
  frame.create(2, 2);
  QImage grey(2, 2, QImage::Format_Grayscale8);
  grey.fill(7);
  frame.blit(grey);  // not a 32-bit picture: left alone
  EXPECT_EQ(grey.constScanLine(0)[0], 7);
  QImage null;
  frame.blit(null);
  EXPECT_TRUE(null.isNull());
}

}  // namespace

// A frame shown on a target of its own size: what blit would give, whether
// the frame's memory is handed over or copied.
QImage presented(FrameBuffer& frame, const QImage& before) {
  QImage target = before.copy();
  frame.present(target);
  return target;
}

QImage blitted(const FrameBuffer& frame, const QImage& before) {
  QImage target = before.copy();
  frame.blit(target);
  return target;
}

TEST(FrameBufferPresent, ShowsWhatACopyShowsWithOrWithoutTransparentPixels) {
  QImage before(8, 6, QImage::Format_RGB32);
  before.fill(kBlue);
  const Colour key{254, 0, 254};
  // Each way of putting the transparent colour in the frame after a white fill.
  const std::function<void(Canvas&)> draws[] = {
      [](Canvas&) {},
      [&](Canvas& c) { c.setPixel(3, 2, key); },
      [&](Canvas& c) { c.fillRect(1, 1, 2, 2, key); },
      [&](Canvas& c) { c.fillRect(0, 0, 8, 6, key); },
      [&](Canvas& c) {
        c.selectPen({PenStyle::Solid, 1, key});
        c.moveTo(0, 5);
        c.lineTo(7, 0);
      },
      [&](Canvas& c) {
        c.selectBrush({key});
        c.ellipse(1, 1, 7, 5);
      },
      [&](Canvas& c) {
        c.selectPen({PenStyle::Solid, 1, key});
        c.moveTo(4, 3);
        c.angleArc(4, 3, 2, 0.0f, 90.0f);
      },
  };
  for (std::size_t i = 0; i < std::size(draws); ++i) {
    FrameBuffer frame;
    frame.create(8, 6);
    fillFrame(frame, {255, 255, 255});
    draws[i](frame.canvas());
    const QImage expected = blitted(frame, before);
    EXPECT_EQ(presented(frame, before), expected) << "drawing " << i;
  }
}

TEST(FrameBufferPresent, KeepsDrawingOnTheFrameAfterHandingItsPictureOver) {
  FrameBuffer frame;
  frame.create(4, 3);
  fillFrame(frame, {255, 255, 255});
  frame.canvas().setPixel(1, 1, {10, 20, 30});
  QImage screen(4, 3, QImage::Format_RGB32);
  screen.fill(kBlue);
  frame.present(screen);
  ASSERT_EQ(at(screen, 1, 1), 0xff0a141eu);
  // Someone keeps the picture shown; later frames must change neither it
  // nor the screen until they are presented.
  const QImage kept = screen;
  fillFrame(frame, {1, 2, 3});
  frame.canvas().setPixel(0, 0, {254, 0, 254});
  EXPECT_EQ(at(screen, 1, 1), 0xff0a141eu);
  EXPECT_EQ(at(kept, 1, 1), 0xff0a141eu);
  EXPECT_EQ(at(frame.image(), 2, 2), 0xff010203u);
  // The key pixel in the new frame lets the old picture show through.
  frame.present(screen);
  EXPECT_EQ(at(screen, 0, 0), 0xffffffffu);
  EXPECT_EQ(at(screen, 2, 2), 0xff010203u);
  EXPECT_EQ(at(kept, 2, 2), 0xffffffffu);
}

TEST(FrameBufferPresent, OnlyAWholeFillMakesTheFrameFreeOfTheKey) {
  FrameBuffer frame;
  frame.create(5, 5);
  // A new frame's memory is undefined: it is copied, and so is a frame
  // filled only in part or filled with the key itself.
  const ImageCanvas& canvas = static_cast<const ImageCanvas&>(frame.canvas());
  EXPECT_FALSE(canvas.keyFree());
  frame.canvas().fillRect(0, 0, 5, 4, {255, 255, 255});
  EXPECT_FALSE(canvas.keyFree());
  frame.canvas().fillRect(-10, -10, 100, 100, {254, 0, 254});
  EXPECT_FALSE(canvas.keyFree());
  frame.canvas().fillRect(-10, -10, 100, 100, {254, 0, 255});
  EXPECT_TRUE(canvas.keyFree());
  frame.canvas().textOut(0, 0, "Fx = 1.00 H");
  EXPECT_TRUE(canvas.keyFree());
  // A frame of another size than the target is copied, clipped.
  QImage small(3, 3, QImage::Format_RGB32);
  small.fill(kBlue);
  const QImage expected = blitted(frame, small);
  frame.present(small);
  EXPECT_EQ(small, expected);
  EXPECT_EQ(frame.image().size(), QSize(5, 5));
}

// Labels keep one painter open between them; it must follow the frame's
// memory through every hand-over and never touch the picture being shown.
TEST(FrameBufferPresent, LabelsAfterAHandOverLandInTheFrameOnly) {
  FrameBuffer frame;
  frame.create(200, 60);
  QImage screen(200, 60, QImage::Format_RGB32);
  screen.fill(kBlue);
  Canvas& canvas = frame.canvas();
  canvas.selectFont({"Verdana", 70});
  fillFrame(frame, {255, 255, 255});
  canvas.textOut(5, 2, "Fx = 1.00 H");
  canvas.textOut(100, 2, "Fy = 2.00 H");
  frame.present(screen);
  const QImage shown = screen.copy();
  EXPECT_GE(darkBox(shown).top(), 2);
  EXPECT_LT(darkBox(shown).bottom(), 20);

  fillFrame(frame, {255, 255, 255});
  canvas.textOut(5, 35, "Fx = 1.00 H");
  canvas.textOut(100, 35, "Fy = 2.00 H");
  EXPECT_EQ(screen, shown);
  EXPECT_GE(darkBox(frame.image()).top(), 35);
  // The same labels, each from a painter of its own, give the same pixels.
  QImage alone(200, 60, QImage::Format_RGB32);
  alone.fill(0xffffffffu);
  for (const auto& [x, text] : {std::pair{5, "Fx = 1.00 H"}, std::pair{100, "Fy = 2.00 H"}}) {
    ImageCanvas single(&alone);
    single.selectFont({"Verdana", 70});
    single.textOut(x, 35, text);
  }
  EXPECT_EQ(frame.image(), alone);
  frame.present(screen);
  EXPECT_EQ(screen, alone);

  // A label left open when the frame is remade or destroyed is closed first.
  canvas.textOut(5, 2, "Fx = 1.00 H");
  frame.create(100, 30);
  fillFrame(frame, {255, 255, 255});
  frame.canvas().textOut(5, 2, "Fx = 1.00 H");
  EXPECT_GE(darkBox(frame.image()).top(), 2);
}
