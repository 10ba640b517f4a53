// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/GlyphFont.h"

#include <algorithm>

namespace {
#include "canvas/SceneGlyphs.inc"

constexpr GlyphFont kSceneFont({kSceneGlyphBaseline, kSceneGlyphLineHeight, kSceneGlyphBias,
                                kSceneGlyphs, kSceneKerns, kSceneCoverage});
}  // namespace

int GlyphFont::glyphIndex(char32_t code) const {
  const auto find = [this](char32_t c) {
    const auto at = std::lower_bound(data_.glyphs.begin(), data_.glyphs.end(), c,
                                     [](const BakedGlyph& g, char32_t k) { return g.code < k; });
    return at != data_.glyphs.end() && at->code == c ? static_cast<int>(at - data_.glyphs.begin())
                                                     : -1;
  };
  const int index = find(code);
  return index >= 0 ? index : std::max(find(U'?'), 0);
}

int GlyphFont::kern(int first, int second) const {
  const auto at = std::lower_bound(data_.kerns.begin(), data_.kerns.end(), std::pair{first, second},
                                   [](const KernPair& k, std::pair<int, int> p) {
                                     return std::pair<int, int>{k.first, k.second} < p;
                                   });
  return at != data_.kerns.end() && at->first == first && at->second == second ? at->adjust : 0;
}

const GlyphFont& sceneGlyphFont() {
  return kSceneFont;
}
