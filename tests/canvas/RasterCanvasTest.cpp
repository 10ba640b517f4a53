// SPDX-License-Identifier: GPL-3.0-or-later
// The raster canvas without a toolkit: its labels, and its frame shown on another image.
// The drawing of lines, ellipses and the key watch is tested through its QImage binding
// (tests/view/ImageCanvasTest.cpp).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "canvas/PixelImage.h"
#include "canvas/RasterCanvas.h"

namespace {

std::uint64_t digest(const PixelImage& image) {
  std::uint64_t h = 14695981039346656037u;  // FNV-1a, 64 bits
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      h = (h ^ image.pixel(x, y)) * 1099511628211u;
    }
  }
  return h;
}

}  // namespace

// The labels' pixels were checked against the toolkit that drew them before
// (tools/CheckSceneGlyphs.cpp): every glyph at every pen position within a pixel, on
// several backgrounds. This keeps those pixels, so a new baking or a change in the
// compositing cannot slip by: labels after 0 to 63 spaces start at each 1/64 pixel.
TEST(RasterCanvasText, LabelsKeepTheirPixelsAtEveryPenPosition) {
  PixelImage image(260, 64 * 12);
  RasterCanvas canvas(image.view());
  canvas.fillRect(0, 0, 260, 64 * 12, {255, 255, 255});
  for (int n = 0; n < 64; ++n) {
    const std::string spaces(static_cast<std::size_t>(n), ' ');
    canvas.textOut(2, n * 12, spaces + "Fx = -1234.56 H");
    canvas.drawText(120, n * 12 + 2, 260, n * 12 + 12,
                    std::u16string(spaces.begin(), spaces.end()) + u"\u03b1 = 45.00\u00b0");
  }
  EXPECT_EQ(digest(image), 0x22f695772426af89u) << std::hex << digest(image);
}

TEST(RasterCanvasText, CharactersWithoutAGlyphShowAsAQuestionMark) {
  PixelImage asked(40, 14);
  PixelImage replaced(40, 14);
  RasterCanvas(asked.view()).drawText(2, 2, 40, 14, u"a\u4e00b\xd800");
  RasterCanvas(replaced.view()).drawText(2, 2, 40, 14, u"a?b?");
  EXPECT_EQ(digest(asked), digest(replaced));
  EXPECT_NE(digest(asked), digest(PixelImage(40, 14)));
}

// A frame free of the key is handed over by exchanging memory; one with key pixels lets
// the old picture show through them; sizes that differ are copied, clipped.
TEST(RasterFrame, PresentSwapsOrCopiesLeavingOutTheKey) {
  const Colour blue{0, 0, 255};
  const Colour key = RasterFrame::kTransparentColour;
  RasterFrame frame;
  frame.create(4, 3);
  PixelImage screen(4, 3);
  frame.canvas().fillRect(0, 0, 4, 3, blue);
  frame.present(screen);
  EXPECT_EQ(screen.pixel(3, 2), RasterCanvas::toPixel(blue));
  EXPECT_EQ(frame.image().pixel(3, 2), 0xffffffffu);  // the screen's old picture

  frame.canvas().fillRect(0, 0, 4, 3, {255, 0, 0});
  frame.canvas().setPixel(1, 1, key);
  frame.present(screen);
  EXPECT_EQ(screen.pixel(0, 0), 0xffff0000u);
  EXPECT_EQ(screen.pixel(1, 1), RasterCanvas::toPixel(blue));

  PixelImage small(2, 5);
  frame.present(small);
  EXPECT_EQ(small.pixel(1, 1), 0xffffffffu);
  EXPECT_EQ(small.pixel(0, 1), 0xffff0000u);
  EXPECT_EQ(small.pixel(0, 4), 0xffffffffu);
  EXPECT_EQ(frame.image().width(), 4);

  frame.create(0, 3);
  EXPECT_FALSE(frame.exists());
  frame.canvas().fillRect(0, 0, 4, 3, blue);
  frame.present(screen);
  EXPECT_EQ(screen.pixel(0, 0), 0xffff0000u);
}
