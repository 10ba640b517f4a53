// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Interface colours that stay readable on the desktop's theme: a colour is lightened on a
// dark background and darkened on a light one until its contrast reaches 4.5:1, the level
// WCAG 2.1 asks of normal text. The picture keeps its own colours; only the window's
// symbols and warnings go through this.

#include <QColor>

// The contrast ratio of two colours by WCAG 2.1's relative luminance: 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// `wanted` itself when it already reads on `background`, else the nearest mix of it
// toward white (dark background) or black (light background) that does.
QColor readableOn(const QColor& wanted, const QColor& background, double ratio = 4.5);
