// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two charts share in their texts: numbers as the theory report shows them, and the
// look of a curve.

#include <QColor>
#include <QPen>
#include <QString>

class QChart;
class QLineSeries;
class QSizeF;

// A fixed number of decimals, "." whatever the locale; from a million on three significant
// digits ("2.97e297", never three hundred digits in a title); "—" for no number at all.
QString chartNumber(double value, int decimals);
// A line series drawn with `colour` at `width` pixels in `style`.
void styleCurve(QLineSeries& series, const QColor& colour, qreal width, Qt::PenStyle style);
// Fits a chart's texts to its size: below 640 × 480 pixels the legend moves to the right,
// one entry a line, and every text is drawn smaller, so that no title, tick label or legend
// entry has to be cut short, in English or in Russian.
void fitTextsToSize(QChart& chart, const QSizeF& size);
