#include "view/FrameBuffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

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

TEST(FrameBufferBlit, IsPlacedAtItsOffsetAndClippedToTheTarget) {
  FrameBuffer frame;
  frame.create(10, 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      frame.canvas().setPixel(x, y,
                              {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0});
    }
  }
  struct Case {
    int x, y;
  };
  for (const Case c :
       {Case{0, 0}, Case{-5, -5}, Case{15, 12}, Case{-9, 19}, Case{20, 0}, Case{INT_MIN, INT_MIN},
        Case{INT_MAX, INT_MAX}, Case{INT_MAX, 0}, Case{0, INT_MIN}}) {
    GuardedImage target(20, 20, kBlue);
    frame.blit(target.image(), c.x, c.y);
    EXPECT_TRUE(target.intact());
    for (int ty = 0; ty < 20; ++ty) {
      for (int tx = 0; tx < 20; ++tx) {
        const std::int64_t fx = std::int64_t{tx} - c.x;
        const std::int64_t fy = std::int64_t{ty} - c.y;
        const bool covered = fx >= 0 && fx < 10 && fy >= 0 && fy < 10;
        const std::uint32_t expected =
            covered ? 0xff000000u | static_cast<std::uint32_t>(fx << 16 | fy << 8) : kBlue;
        ASSERT_EQ(at(target.image(), tx, ty), expected)
            << "offset " << c.x << ',' << c.y << " pixel " << tx << ',' << ty;
      }
    }
  }
}

TEST(FrameBufferBlit, TinyFramesAndOtherTargetFormats) {
  for (const int side : {1, 2}) {
    FrameBuffer frame;
    frame.create(side, side);
    fillFrame(frame, {9, 9, 9});
    QImage target(3, 3, QImage::Format_ARGB32);
    target.fill(0);
    frame.blit(target, 1, 1);
    EXPECT_EQ(at(target, 0, 0), 0u);
    EXPECT_EQ(at(target, side, side), 0xff090909u);  // opaque on an alpha target
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
