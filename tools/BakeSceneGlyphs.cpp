// SPDX-License-Identifier: GPL-3.0-or-later
// Bakes the picture's label font into src/canvas/SceneGlyphs.inc.
//
//   bake-scene-glyphs OUTPUT
//
// The labels used to be drawn by Qt from DejaVu Sans; this renders every character
// the labels can show with the very font settings they were drawn with, at each
// sub-pixel position, on white, and writes the coverage (255 minus the red channel of
// black text on white, which the raster engine's blend makes exact), the advances, the
// pair kerning and the line metrics as C++ arrays. check-scene-glyphs then compares the
// canvas that draws from them with Qt.
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <cstdio>
#include <string>
#include <vector>

#include "SceneGlyphSetup.h"

namespace {

struct Baked {
  char32_t code = 0;
  int advance = 0;  // 1/64 pixel
  int script = 0;
  struct Image {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<int> coverage;
  } images[kSubPixels];
};

// The glyph alone at pen position (kPenX + sub/4, kPenY) on white.
Baked::Image bakeImage(const QRawFont& raw, quint32 glyph, int sub) {
  const QImage image =
      renderGlyph(raw, glyph, kPenX * 64 + sub * 64 / kSubPixels - kBias, 0xffffffffu);
  Baked::Image out;
  int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) != qGreen(p) || qRed(p) != qBlue(p)) {
        std::fprintf(stderr, "glyph %u: a coloured pixel: sub-pixel anti-aliasing is on\n", glyph);
        std::exit(1);
      }
      if (p != 0xffffffffu) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
      }
    }
  }
  if (x1 < 0) return out;
  if (x0 == 0 || y0 == 0 || x1 == image.width() - 1 || y1 == image.height() - 1) {
    std::fprintf(stderr, "glyph %u touches the edge of its test image\n", glyph);
    std::exit(1);
  }
  out.left = x0 - kPenX;
  out.top = y0 - kPenY;
  out.width = x1 - x0 + 1;
  out.height = y1 - y0 + 1;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) out.coverage.push_back(255 - qRed(image.pixel(x, y)));
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bake-scene-glyphs OUTPUT\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QFont font = sceneQFont();
  const QRawFont raw = QRawFont::fromFont(font);
  if (raw.familyName() != QLatin1String("DejaVu Sans")) {
    std::fprintf(stderr, "DejaVu Sans could not be loaded from %s\n", kFontFile);
    return 1;
  }

  std::vector<Baked> glyphs;
  for (const char32_t code : sceneCharacters()) {
    const QString text = QString::fromUcs4(&code, 1);
    const Laid laid = layOut(text, font);
    if (laid.glyphs.size() != 1 || !raw.supportsCharacter(code)) {
      std::fprintf(stderr, "U+%04X is not one glyph of the face\n", unsigned(code));
      return 1;
    }
    Baked b;
    b.code = code;
    b.advance = laid.advance;
    const QChar::Script script = QChar::script(code);
    b.script = script <= QChar::Script_Common ? 0 : int(script);
    for (int sub = 0; sub < kSubPixels; ++sub) b.images[sub] = bakeImage(raw, laid.glyphs[0], sub);
    glyphs.push_back(std::move(b));
  }

  // Kerning: the second glyph of every pair, against the first one's advance.
  struct Kern {
    int first, second, adjust;
  };
  std::vector<Kern> kerns;
  for (std::size_t a = 0; a < glyphs.size(); ++a) {
    for (std::size_t b = 0; b < glyphs.size(); ++b) {
      const char32_t pair[2] = {glyphs[a].code, glyphs[b].code};
      const Laid laid = layOut(QString::fromUcs4(pair, 2), font);
      // A ligature (ff, fi, fl) is not baked: the canvas draws its letters one by one.
      if (laid.glyphs.size() != 2) {
        std::printf("U+%04X U+%04X: a ligature, not baked\n", unsigned(pair[0]), unsigned(pair[1]));
        continue;
      }
      const int adjust = laid.positions[1] - glyphs[a].advance;
      if (adjust != 0) kerns.push_back({int(a), int(b), adjust});
    }
  }

  const QFontMetrics metrics(font);
  std::string out;
  const auto add = [&](const char* format, auto... values) {
    char line[256];
    std::snprintf(line, sizeof line, format, values...);
    out += line;
  };
  out += kHeader;
  add("// %zu glyphs, %zu kerning pairs, %d sub-pixel positions; made with Qt %s.\n\n",
      glyphs.size(), kerns.size(), kSubPixels, qVersion());
  add("inline constexpr int kSceneGlyphBaseline = %d;  // pixels\n", baselineOffset(font));
  add("inline constexpr int kSceneGlyphLineHeight = %d;  // pixels\n", metrics.height());
  add("inline constexpr int kSceneGlyphBias = %d;  // 1/64 pixel\n\n", kBias);
  std::string coverage;
  std::size_t offset = 0;
  out += "inline constexpr BakedGlyph kSceneGlyphs[] = {\n";
  for (const Baked& g : glyphs) {
    add("    {0x%04X, %d, %d, {", unsigned(g.code), g.advance, g.script);
    for (int sub = 0; sub < kSubPixels; ++sub) {
      const Baked::Image& i = g.images[sub];
      add("%s{%d, %d, %d, %d, %zu}", sub ? ", " : "", i.left, i.top, i.width, i.height, offset);
      for (const int c : i.coverage) {
        if (offset % 24 == 0) coverage += "\n   ";
        char item[8];
        std::snprintf(item, sizeof item, " %d,", c);
        coverage += item;
        ++offset;
      }
    }
    out += "}},\n";
  }
  out += "};\n\ninline constexpr KernPair kSceneKerns[] = {\n";
  for (const Kern& k : kerns) add("    {%d, %d, %d},\n", k.first, k.second, k.adjust);
  out += "};\n\ninline constexpr std::uint8_t kSceneCoverage[] = {";
  out += coverage;
  out += "\n};\n";

  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(out.data(), qint64(out.size())) != qint64(out.size())) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%zu glyphs, %zu kerning pairs, %zu coverage bytes\n", glyphs.size(), kerns.size(),
              offset);
  return 0;
}
