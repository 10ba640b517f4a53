// SPDX-License-Identifier: GPL-3.0-or-later
// Shared chart texts and curve pens.
#include "chart/ChartText.h"

#include <charconv>
#include <cmath>

#include <QLineSeries>

#include "platform/FixedText.h"

QString chartNumber(double value, int decimals) {
  if (!std::isfinite(value)) return QStringLiteral("—");
  if (std::fabs(value) < 1e6) return QString::fromStdString(fixedText(value, decimals));
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 2);
  return QString::fromLatin1(buffer, end.ptr - buffer).remove(QLatin1Char('+'));
}

void styleCurve(QLineSeries& series, const QColor& colour, qreal width, Qt::PenStyle style) {
  QPen pen(colour, width, style);
  pen.setCapStyle(Qt::FlatCap);
  series.setPen(pen);
}
