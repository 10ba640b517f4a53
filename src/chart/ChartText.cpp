// SPDX-License-Identifier: GPL-3.0-or-later
// Shared chart texts and curve pens.
#include "chart/ChartText.h"

#include <QLineSeries>

#include "platform/FixedText.h"

QString chartNumber(double value, int decimals) {
  return QString::fromStdString(fixedText(value, decimals));
}

void styleCurve(QLineSeries& series, const QColor& colour, qreal width, Qt::PenStyle style) {
  QPen pen(colour, width, style);
  pen.setCapStyle(Qt::FlatCap);
  series.setPen(pen);
}
