// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the glyph baker and its check share: the labels' font exactly as the picture
// set it up when Qt drew its labels, the characters baked, and how one glyph or one
// text is laid out and drawn by Qt.

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QStaticText>
#include <QTextLayout>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

inline constexpr auto kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr int kSubPixels = 4;
// Qt splits a pen position, plus 1/64 pixel, into a whole pixel and a quarter.
inline constexpr int kBias = 1;  // 1/64 pixel
// Where a lone glyph is drawn in its test image.
inline constexpr int kPenX = 16;
inline constexpr int kPenY = 20;

// The settings the picture's labels were drawn with: DejaVu Sans from its file, 7 points
// at 96 dots per inch (9 pixels), vertical hinting, grey anti-aliasing.
inline QFont sceneQFont() {
  if (QFontDatabase::addApplicationFont(QString::fromLatin1(kFontFile)) < 0) {
    std::fprintf(stderr, "cannot load %s (Debian: fonts-dejavu-core)\n", kFontFile);
    std::exit(1);
  }
  QFont font;
  font.setFamily(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setStyleStrategy(QFont::NoSubpixelAntialias);
  font.setPixelSize(9);
  return font;
}

// Printable ASCII and Latin-1 (the 8-bit labels), Greek (α), Cyrillic (the Russian
// window's unit letters), the minus sign and the dashes.
inline std::vector<char32_t> sceneCharacters() {
  std::vector<char32_t> codes;
  const auto range = [&](char32_t first, char32_t last) {
    for (char32_t c = first; c <= last; ++c) codes.push_back(c);
  };
  range(0x20, 0x7e);
  range(0xa0, 0xac);  // not the soft hyphen, which shapes to nothing
  range(0xae, 0xff);
  range(0x391, 0x3a1);
  range(0x3a3, 0x3a9);
  range(0x3b1, 0x3c9);
  codes.push_back(0x401);
  range(0x410, 0x44f);
  codes.push_back(0x451);
  range(0x2013, 0x2014);
  codes.push_back(0x2212);
  return codes;
}

// A text as Qt lays it out in one line: glyphs, pen positions and advance, 1/64 pixel.
struct Laid {
  std::vector<quint32> glyphs;
  std::vector<int> positions;
  int advance = 0;
};

inline int sixtyFourths(qreal value) {
  const qreal scaled = value * 64;
  if (scaled != std::round(scaled)) {
    std::fprintf(stderr, "a position of %.9g pixels is not in 1/64 pixel\n", double(value));
    std::exit(1);
  }
  return int(scaled);
}

inline Laid layOut(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  Laid laid;
  laid.advance = sixtyFourths(line.horizontalAdvance());
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < indexes.size(); ++i) {
      laid.glyphs.push_back(indexes[i]);
      laid.positions.push_back(sixtyFourths(positions[i].x()));
    }
  }
  return laid;
}

// One glyph, black, at pen position (x64 / 64, kPenY) on a 48 x 36 image of `background`.
inline QImage renderGlyph(const QRawFont& raw, quint32 glyph, int x64, QRgb background) {
  QImage image(48, 36, QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  QGlyphRun run;
  run.setRawFont(raw);
  run.setGlyphIndexes({glyph});
  run.setPositions({QPointF(x64 / 64.0, kPenY)});
  painter.drawGlyphRun(QPointF(0, 0), run);
  return image;
}

// What the picture did: a prepared static text with its top-left corner at (x, y).
inline void drawLabel(QImage& image, const QFont& font, const QString& text, int x, int y,
                      const QRect& clip) {
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setClipRect(clip);
  QStaticText layout(text);
  layout.prepare(QTransform(), font);
  painter.drawStaticText(QPoint(x, y), layout);
}

// Pixels from the top of a label to its baseline.
inline int baselineOffset(const QFont& font) {
  const QRawFont raw = QRawFont::fromFont(font);
  const quint32 glyph = raw.glyphIndexesForString(QStringLiteral("H"))[0];
  for (int offset = 0; offset < kPenY; ++offset) {
    QImage label(48, 36, QImage::Format_RGB32);
    label.fill(0xffffffffu);
    drawLabel(label, font, QStringLiteral("H"), kPenX, kPenY - offset, label.rect());
    if (label == renderGlyph(raw, glyph, kPenX * 64, 0xffffffffu)) return offset;
  }
  std::fprintf(stderr, "no baseline offset draws a label as its glyph\n");
  std::exit(1);
}

inline constexpr auto kHeader =
    "// SPDX-License-Identifier: Bitstream-Vera\n"
    "// The picture's label font, DejaVu Sans at 9 pixels (7 points at 96 dots per inch,\n"
    "// vertical hinting, grey anti-aliasing), baked by tools/BakeSceneGlyphs.cpp from\n"
    "// /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf (Debian fonts-dejavu-core). Made by\n"
    "// the tool: do not edit.\n"
    "//\n"
    "// The glyph images are rendered from DejaVu Sans, whose licence follows.\n"
    "//\n"
    "// Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved. Bitstream Vera is a\n"
    "// trademark of Bitstream, Inc. DejaVu changes are in public domain.\n"
    "//\n"
    "// Permission is hereby granted, free of charge, to any person obtaining a copy of the\n"
    "// fonts accompanying this license (\"Fonts\") and associated documentation files (the\n"
    "// \"Font Software\"), to reproduce and distribute the Font Software, including without\n"
    "// limitation the rights to use, copy, merge, publish, distribute, and/or sell copies of\n"
    "// the Font Software, and to permit persons to whom the Font Software is furnished to do\n"
    "// so, subject to the following conditions:\n"
    "//\n"
    "// The above copyright and trademark notices and this permission notice shall be\n"
    "// included in all copies of one or more of the Font Software typefaces.\n"
    "//\n"
    "// The Font Software may be modified, altered, or added to, and in particular the designs\n"
    "// of glyphs or characters in the Fonts may be modified and additional glyphs or\n"
    "// characters may be added to the Fonts, only if the fonts are renamed to names not\n"
    "// containing either the words \"Bitstream\" or the word \"Vera\".\n"
    "//\n"
    "// This License becomes null and void to the extent applicable to Fonts or Font Software\n"
    "// that has been modified and is distributed under the \"Bitstream Vera\" names.\n"
    "//\n"
    "// The Font Software may be sold as part of a larger software package but no copy of one\n"
    "// or more of the Font Software typefaces may be sold by itself.\n"
    "//\n"
    "// THE FONT SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR\n"
    "// IMPLIED, INCLUDING BUT NOT LIMITED TO ANY WARRANTIES OF MERCHANTABILITY, FITNESS FOR A\n"
    "// PARTICULAR PURPOSE AND NONINFRINGEMENT OF COPYRIGHT, PATENT, TRADEMARK, OR OTHER RIGHT.\n"
    "// IN NO EVENT SHALL BITSTREAM OR THE GNOME FOUNDATION BE LIABLE FOR ANY CLAIM, DAMAGES OR\n"
    "// OTHER LIABILITY, INCLUDING ANY GENERAL, SPECIAL, INDIRECT, INCIDENTAL, OR CONSEQUENTIAL\n"
    "// DAMAGES, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF THE\n"
    "// USE OR INABILITY TO USE THE FONT SOFTWARE OR FROM OTHER DEALINGS IN THE FONT SOFTWARE.\n"
    "//\n"
    "// Except as contained in this notice, the names of Gnome, the Gnome Foundation, and\n"
    "// Bitstream Inc., shall not be used in advertising or otherwise to promote the sale, use\n"
    "// or other dealings in this Font Software without prior written authorization from the\n"
    "// Gnome Foundation or Bitstream Inc., respectively. For further information, contact:\n"
    "// fonts at gnome dot org.\n";
