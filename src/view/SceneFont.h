// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The face the picture's labels are drawn in. The canvas draws them from glyphs baked
// from this file (canvas/GlyphFont.h), so no font is read at run time.

// Debian's fonts-dejavu-core. DejaVu Sans has nearly the metrics of Verdana, for which the
// labels' places were chosen, and covers Latin, Greek (α) and the degree sign.
inline constexpr auto kSceneFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr auto kSceneFontFace = "DejaVu Sans";
