// SPDX-License-Identifier: GPL-3.0-or-later
// Shared chart texts and curve pens.
#include "chart/ChartText.h"

#include <charconv>
#include <cmath>

#include <QAbstractAxis>
#include <QChart>
#include <QLegend>
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

void fitTextsToSize(QChart& chart, const QSizeF& size) {
  const bool compact = size.width() < 640.0 || size.height() < 480.0;
  const Qt::Alignment side = compact ? Qt::AlignRight : Qt::AlignBottom;
  if (chart.legend()->alignment() != side) chart.legend()->setAlignment(side);
  QFont font;  // the application's
  if (compact) font.setPointSizeF(font.pointSizeF() * 0.8);
  const auto fit = [&font](QFont current, auto apply, bool bold = false) {
    current.setPointSizeF(font.pointSizeF());
    current.setBold(bold || current.bold());
    apply(current);
  };
  if (chart.legend()->font().pointSizeF() != font.pointSizeF())
    fit(chart.legend()->font(), [&chart](const QFont& f) { chart.legend()->setFont(f); });
  if (chart.titleFont().pointSizeF() != font.pointSizeF())
    fit(chart.titleFont(), [&chart](const QFont& f) { chart.setTitleFont(f); });
  for (QAbstractAxis* axis : chart.axes()) {
    if (axis->labelsFont().pointSizeF() != font.pointSizeF())
      fit(axis->labelsFont(), [axis](const QFont& f) { axis->setLabelsFont(f); });
    if (axis->titleFont().pointSizeF() != font.pointSizeF())
      fit(axis->titleFont(), [axis](const QFont& f) { axis->setTitleFont(f); });
  }
}
