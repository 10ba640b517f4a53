// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer positions on a chart turned into angles of attack.
#include "ui/AngleChartView.h"

#include <QMouseEvent>
#include <cmath>

AngleChartView::AngleChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
  setRenderHint(QPainter::Antialiasing);
  setCursor(Qt::CrossCursor);
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
  QChartView::mouseMoveEvent(event);
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
