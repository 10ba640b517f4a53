// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer positions on a chart turned into angles of attack.
#include "ui/AngleChartView.h"

#include <QAbstractAxis>
#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QToolTip>
#include <QXYSeries>
#include <algorithm>
#include <map>
#include <vector>

#include "view/FlowView.h"

#include <QMouseEvent>
#include <cmath>

AngleChartView::AngleChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
  setRenderHint(QPainter::Antialiasing);
  setCursor(Qt::CrossCursor);
  viewport()->setMouseTracking(true);  // the values follow the pointer without a button
  setFocusPolicy(Qt::StrongFocus);
}

void AngleChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QChartView::mousePressEvent(event);
    return;
  }
  const QPointF at = mapToScene(event->position().toPoint());
  dragging = chart()->plotArea().contains(chart()->mapFromScene(at));
  if (dragging) ask(at);
  event->accept();
}

void AngleChartView::mouseMoveEvent(QMouseEvent* event) {
  // Beyond the plot area the angle keeps following the pointer, and the clamp holds it.
  if (dragging && (event->buttons() & Qt::LeftButton)) {
    ask(mapToScene(event->position().toPoint()));
    event->accept();
    return;
  }
  if (event->buttons() == Qt::NoButton) showValues(event->position().toPoint());
  QChartView::mouseMoveEvent(event);
}

void AngleChartView::keyPressEvent(QKeyEvent* event) {
  const bool fine = event->modifiers().testFlag(Qt::ShiftModifier);
  const double step = fine ? FlowView::kFineKeyStep : FlowView::kKeyStep;
  if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Left) {
    emit angleStepAsked(event->key() == Qt::Key_Right ? step : -step);
    event->accept();
    return;
  }
  QChartView::keyPressEvent(event);
}

void AngleChartView::showValues(const QPoint& at) {
  const QPointF inChart = chart()->mapFromScene(mapToScene(at));
  if (!chart()->plotArea().contains(inChart)) {
    QToolTip::hideText();
    return;
  }
  const QPointF value = chart()->mapToValue(inChart);
  const QLocale shown = locale();
  QStringList lines;
  const QList<QAbstractAxis*> horizontal = chart()->axes(Qt::Horizontal);
  const QList<QAbstractAxis*> vertical = chart()->axes(Qt::Vertical);
  const auto plain = [](QString text) {
    return text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  };
  if (!horizontal.isEmpty())
    lines << plain(horizontal.front()->titleText()) + QStringLiteral(": ") +
                 shown.toString(value.x(), 'f', 1);
  if (!vertical.isEmpty())
    lines << plain(vertical.front()->titleText()) + QStringLiteral(": ") +
                 shown.toString(value.y(), 'f', 3);
  // Each named curve's values where it crosses the pointer's vertical line.
  std::map<QString, QStringList> crossings;
  std::vector<QString> order;
  for (QAbstractSeries* any : chart()->series()) {
    auto* series = qobject_cast<QXYSeries*>(any);
    if (!series || !series->isVisible() || series->name().isEmpty()) continue;
    const QList<QPointF> points = series->points();
    for (qsizetype i = 1; i < points.size(); ++i) {
      const QPointF& a = points[i - 1];
      const QPointF& b = points[i];
      if (a.x() == b.x() || value.x() < std::min(a.x(), b.x()) ||
          value.x() > std::max(a.x(), b.x()))
        continue;
      const double y = a.y() + (b.y() - a.y()) * (value.x() - a.x()) / (b.x() - a.x());
      if (!crossings.count(series->name())) order.push_back(series->name());
      crossings[series->name()] << shown.toString(y, 'f', 3);
      break;
    }
  }
  for (const QString& name : order)
    lines << name + QStringLiteral(": ") + crossings[name].join(QStringLiteral(" / "));
  QToolTip::showText(mapToGlobal(at), lines.join(QLatin1Char('\n')), this);
}

void AngleChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging = false;
  QChartView::mouseReleaseEvent(event);
}

void AngleChartView::ask(const QPointF& at) {
  const QPointF value = chart()->mapToValue(chart()->mapFromScene(at));
  // A pixel spans a sixth of a degree or so; whole tenths, the keys' fine step, read better.
  emit angleAsked(std::round(value.x() * 10.0) / 10.0);
}
