// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture's label font as baked data: every glyph's coverage at each sub-pixel
// position, its advance and the pair kerning, so labels need no font engine.
//
// The data (canvas/SceneGlyphs.inc) is made by tools/BakeSceneGlyphs.cpp from DejaVu
// Sans; a glyph is placed and blended exactly as the raster engine that baked it does.

#include <cstdint>
#include <span>

// One glyph at one sub-pixel position: a rectangle of coverage bytes, 0 to 255.
struct GlyphImage {
  std::int8_t left = 0;      // pixels right of the pen's whole pixel
  std::int8_t top = 0;       // pixels below the baseline (above when negative)
  std::uint8_t width = 0;    // pixels
  std::uint8_t height = 0;   // pixels
  std::uint32_t offset = 0;  // of the first row in the coverage bytes; rows are `width` apart
};

inline constexpr int kGlyphSubPixels = 4;  // positions per pixel a glyph is baked at

struct BakedGlyph {
  char32_t code = 0;         // Unicode
  std::int32_t advance = 0;  // 1/64 pixel
  // The writing system, 0 for characters all of them share (digits, spaces, signs). Text
  // is shaped in runs of one system, common characters joining the run before them (the
  // first ones the run after them), and kerning acts only within a run.
  std::uint8_t script = 0;
  GlyphImage images[kGlyphSubPixels];
};

// The pen moves by `adjust` more between these two glyphs (indices into the glyphs).
struct KernPair {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::int16_t adjust = 0;  // 1/64 pixel
};

class GlyphFont {
 public:
  struct Data {
    int baseline = 0;    // pixels from the top of a line to its baseline
    int lineHeight = 0;  // pixels
    // Added to a pen position (1/64 pixel) before it is split into a whole pixel and
    // a sub-pixel position.
    int positionBias = 0;
    std::span<const BakedGlyph> glyphs;  // ascending by code
    std::span<const KernPair> kerns;     // ascending by (first, second)
    std::span<const std::uint8_t> coverage;
  };

  explicit constexpr GlyphFont(const Data& data) : data_(data) {}

  int baseline() const { return data_.baseline; }
  int lineHeight() const { return data_.lineHeight; }
  int positionBias() const { return data_.positionBias; }
  // The glyph for `code`; a character the font lacks is shown as '?'.
  int glyphIndex(char32_t code) const;
  const BakedGlyph& glyph(int index) const { return data_.glyphs[static_cast<std::size_t>(index)]; }
  // Extra advance between two glyphs, 1/64 pixel.
  int kern(int first, int second) const;
  const std::uint8_t* coverage(const GlyphImage& image) const {
    return data_.coverage.data() + image.offset;
  }

 private:
  Data data_;
};

// DejaVu Sans at 9 pixels, the picture's labels.
const GlyphFont& sceneGlyphFont();
