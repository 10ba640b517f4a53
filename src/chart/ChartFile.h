// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart drawn alone, off the screen, into the bytes of a PNG or an SVG file: what the
// window's "Save chart..." and `zerkon-cli chart` write. Needs a QApplication.

#include <QByteArray>
#include <QSize>
#include <optional>
#include <string_view>

struct ChartSeries;

enum class ChartKind { ThetaBeta, Loads };
enum class ChartFormat { Png, Svg };

// What a file name asks for: ".svg" (in any case) SVG; ".png", "-", /dev/stdout, /dev/stderr
// and /dev/fd/N PNG; nullopt for any other name, one without an extension included.
std::optional<ChartFormat> chartFormatFor(std::string_view fileName);

// The chart of `kind` for `series` at `size` pixels; empty when it cannot be drawn.
QByteArray renderChart(ChartKind kind, const ChartSeries& series, QSize size, ChartFormat format);
