// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loads chart: c_l and c_d of the plate against α from 0° to 75° by exact shock-expansion
// theory (ending where the lower shock detaches), Ackeret, third order and the picture's model,
// one colour per theory, lift solid and drag dashed, with the current α as a vertical line.

#include <QChart>
#include <array>

struct ChartSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class LoadsChart final : public QChart {
  Q_OBJECT

 public:
  LoadsChart();

  // Shows `series`: the curves when the free stream changed, the α line always.
  void display(const ChartSeries& series);

  // Where the α line stands [°], for the tests.
  double alphaLine() const;
  // Points on each theory's lift curve, in the order exact, Ackeret, third order, model.
  std::array<qsizetype, 4> liftPointCounts() const;

  // A curve leaving the top of the chart and coming back is drawn in parts; more than this
  // many parts of one curve are not drawn.
  static constexpr std::size_t kParts = 3;

 protected:
  void resizeEvent(QGraphicsSceneResizeEvent* event) override;

 private:
  void showCurves(const ChartSeries& series);

  QValueAxis* alpha = nullptr;        // horizontal, α [°]; all owned by the chart
  QValueAxis* coefficient = nullptr;  // vertical [-]
  using Parts = std::array<QLineSeries*, kParts>;
  std::array<Parts, 4> lift{};  // exact, Ackeret, third order, model
  std::array<Parts, 4> drag{};
  QLineSeries* alphaAt = nullptr;
  QLineSeries* detachesAt = nullptr;   // vertical at θmax
  QLineSeries* vacuumAt = nullptr;     // vertical at the vacuum angle, when on the chart
  QScatterSeries* modelEnd = nullptr;  // the model's last point, where it ends early
  int shownRevision = -1;              // ChartSeries::curvesRevision of the curves drawn
};
