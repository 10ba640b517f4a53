// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the baked label font against Qt, which drew the labels before it:
//
//   check-scene-glyphs
//
// Every baked character at each of the 64 pen positions within a pixel, on several
// backgrounds, and the blend for every background level at every coverage; then strings
// of random characters and the picture's own labels at many places, drawn by the raster
// canvas and by a QPainter with a prepared static text, as the picture used to draw them.
// Exits 1 at the first difference.
#include <QGuiApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "SceneGlyphSetup.h"
#include "canvas/RasterCanvas.h"

namespace {

int faults = 0;

bool same(const QImage& expected, const QImage& actual, const char* what, unsigned code,
          int where) {
  if (expected == actual) return true;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (expected.pixel(x, y) != actual.pixel(x, y)) {
        std::fprintf(stderr, "[%s] ", expected.text(QStringLiteral("t")).toUtf8().constData());
        std::fprintf(stderr, "%s U+%04X at %d: pixel (%d, %d) is %08x, Qt %08x\n", what, code,
                     where, x, y, actual.pixel(x, y), expected.pixel(x, y));
        ++faults;
        return false;
      }
    }
  }
  return true;
}

PixelView viewOf(QImage& image) {
  return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
          image.bytesPerLine() / 4};
}

// The text drawn by Qt as the picture drew its labels and by the raster canvas, with its
// top-left corner at (x, y) on `background`, compared.
void compare(const QFont& font, const std::u16string& text, int x, int y, QRgb background,
             const char* what, unsigned code, int where) {
  const QString qtext = QString::fromStdU16String(text);
  QImage expected(260, 40, QImage::Format_RGB32);
  QImage actual(expected.size(), QImage::Format_RGB32);
  // Clipped to a rectangle from (x, y) on, as the angle label is.
  expected.fill(background);
  expected.setText(QStringLiteral("t"), qtext + QStringLiteral(" @ %1,%2").arg(x).arg(y));
  drawLabel(expected, font, qtext, x, y, QRect(x, y, 1000, 1000));
  actual.fill(background);
  RasterCanvas canvas(viewOf(actual));
  canvas.drawText(x, y, x + 1000, y + 1000, text);
  same(expected, actual, what, code, where);
  // 8-bit text, clipped to the picture only, as the force labels are.
  if (!std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; })) return;
  expected.fill(background);
  drawLabel(expected, font, qtext, x, y, expected.rect());
  actual.fill(background);
  std::string bytes;
  for (const char16_t c : text) bytes += static_cast<char>(c);
  canvas.textOut(x, y, bytes);
  same(expected, actual, what, code, where);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QFont font = sceneQFont();
  const std::vector<char32_t> codes = sceneCharacters();

  // Each glyph after n spaces: a space advances 2 55/64 pixels, so n = 0 to 63 puts the
  // glyph at every pen position in 1/64 pixel; on several backgrounds.
  const QRgb backgrounds[] = {0xffffffffu, 0xfffe00feu, 0xffff0000u,
                              0xff808080u, 0xff102030u, 0xff00ff7fu};
  long texts = 0;
  for (const char32_t code : codes) {
    for (const QRgb background : backgrounds) {
      for (int n = 0; n < 64; ++n) {
        compare(font, std::u16string(std::size_t(n), u' ') + char16_t(code), 3, 12, background,
                "glyph", unsigned(code), n);
        ++texts;
        if (faults > 10) return 1;
      }
    }
  }
  std::printf("%ld texts agree: each of %zu characters at 64 pen positions on %zu backgrounds\n",
              texts, codes.size(), std::size(backgrounds));

  // Every level of every channel under every coverage the glyphs have.
  std::u16string ascii;
  for (char16_t c = 0x21; c < 0x7f; ++c) ascii += c;
  for (int v = 0; v < 256; ++v) {
    compare(font, ascii.substr(0, 47), 2, 4, qRgb(v, 255 - v, (v * 7) & 255), "blend", 0, v);
    compare(font, ascii.substr(47), 2, 20, qRgb((v * 3) & 255, v, 255 - v), "blend", 0, v);
  }
  std::printf("blends agree on 256 backgrounds\n");

  // Random strings of the baked characters, kerning and all, and the picture's labels.
  QRandomGenerator random(25);
  for (int i = 0; i < 20000 && faults == 0; ++i) {
    std::u16string text;
    const int length = 1 + int(random.bounded(24));
    for (int k = 0; k < length; ++k) {
      char32_t c = codes[random.bounded(int(codes.size()))];
      // Qt joins f with f, i or l into one glyph; the canvas draws letters one by one.
      if (!text.empty() && text.back() == u'f' && (c == U'f' || c == U'i' || c == U'l')) c = U'x';
      text += char16_t(c);
    }
    compare(font, text, int(random.bounded(20)) - 4, int(random.bounded(30)) - 8, 0xffffffffu,
            "string", unsigned(text[0]), i);
  }
  std::printf("20000 random strings agree\n");
  for (int i = 0; i < 4000 && faults == 0; ++i) {
    const double value = (random.generateDouble() - 0.3) * std::pow(10.0, random.bounded(7));
    char number[64];
    std::snprintf(number, sizeof number, "%.2f", value);
    const std::string fx = std::string(i % 2 ? "Fx = " : "Fy = ") + number + " H";
    compare(font, std::u16string(fx.begin(), fx.end()), 5, 10, 0xffffffffu, "label", 0, i);
    std::u16string alpha = u"\u03b1 = ";
    for (const char c : std::string(number)) alpha += char16_t(c);
    compare(font, alpha + u'\u00b0', 5, 10, 0xffffffffu, "label", 0, i);
  }
  for (const char* special : {"Fx = nan H", "Fy = -nan H", "Fx = inf H", "Fy = -inf H"}) {
    const std::string s(special);
    compare(font, std::u16string(s.begin(), s.end()), 5, 10, 0xffffffffu, "label", 0, 0);
  }
  std::printf("%s\n", faults == 0 ? "the picture's labels agree" : "DIFFERENCES");
  return faults == 0 ? 0 : 1;
}
