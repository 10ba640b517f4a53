// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The face the picture's labels are drawn in, read from its own file, so that the picture
// comes out the same bytes whatever fonts the machine's font configuration offers.

// Debian's fonts-dejavu-core. DejaVu Sans has nearly the metrics of Verdana, for which the
// labels' places were chosen, and covers Latin, Greek (α) and the degree sign.
inline constexpr auto kSceneFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr auto kSceneFontFace = "DejaVu Sans";

// Registers the file with Qt's font database, once per process (a QGuiApplication must
// exist); false when the file cannot be read, in which case the face is asked of the
// machine's font configuration like any other.
bool loadSceneFont();
