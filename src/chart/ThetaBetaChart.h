// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The θ-β-M chart: shock angle against flow deflection, the free stream's weak branch solid
// and strong branch dashed, light curves for reference Mach numbers, the θmax locus, and two
// markers for the plate's lower face: the exact shock, and the model's own front at the same α.
// Past θmax the exact marker sits on the locus in red and the title says "detached".

#include <QChart>
#include <QColor>
#include <vector>

struct ChartSeries;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class ThetaBetaChart final : public QChart {
  Q_OBJECT

 public:
  static constexpr QColor kAttachedColour{0x1f, 0x4e, 0x9c};
  static constexpr QColor kDetachedColour{0xc0, 0x10, 0x20};

  ThetaBetaChart();

  // Shows `series`: the curves when the free stream changed, the markers always.
  void display(const ChartSeries& series);

  // What the chart shows, for its tests and the window's.
  QColor operatingColour() const;
  // Empty when there is no marker (a subsonic free stream).
  std::vector<QPointF> operatingPoint() const;
  std::vector<QPointF> modelPoint() const;

 protected:
  void resizeEvent(QGraphicsSceneResizeEvent* event) override;

 private:
  void showCurves(const ChartSeries& series);
  // Each reference curve's Mach number beside its nose, wherever the plot now lies.
  void placeLabels();

  QValueAxis* theta = nullptr;  // horizontal, θ [°]; all series and axes owned by the chart
  QValueAxis* beta = nullptr;   // vertical, β [°]
  QLineSeries* weak = nullptr;
  QLineSeries* strong = nullptr;
  std::vector<QLineSeries*> references;  // weak and strong, in turn, per reference Mach number
  std::vector<QGraphicsSimpleTextItem*> labels;  // one per reference Mach number, children
  std::vector<QPointF> noses;                    // (θmax, β*) of each reference curve [°]
  QLineSeries* locus = nullptr;
  QLineSeries* sonic = nullptr;  // M₂ = 1 behind the weak shock, from M₁ = 1 to ∞
  QScatterSeries* exact = nullptr;
  QScatterSeries* model = nullptr;
  int shownRevision = -1;  // ChartSeries::curvesRevision of the curves drawn
};
