// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart view whose horizontal axis is the angle of attack: a left-button press inside the
// plot area, and the drag that follows it, ask for the α under the pointer, to a tenth of a
// degree.

#include <QChartView>

class AngleChartView final : public QChartView {
  Q_OBJECT

 public:
  explicit AngleChartView(QChart* chart, QWidget* parent = nullptr);

 signals:
  void angleAsked(double degrees);
  // Left or Right with the chart focused: α one key step down or up (Shift: the fine step).
  void angleStepAsked(double degrees);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ask(const QPointF& at);
  // The values under the pointer as a tooltip: the axes' values there and, for each named
  // curve that passes, its value at the pointer's horizontal position.
  void showValues(const QPoint& at);
  bool dragging = false;  // a press inside the plot area started a drag
};
