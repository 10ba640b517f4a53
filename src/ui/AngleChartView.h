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

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ask(const QPointF& at);
  bool dragging = false;  // a press inside the plot area started a drag
};
