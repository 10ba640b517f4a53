// SPDX-License-Identifier: GPL-3.0-or-later
// The loads chart: series made once, their points replaced as the flow changes.
#include "chart/LoadsChart.h"

#include <QGraphicsSceneResizeEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>
#include <utility>

#include "app/ChartSeries.h"
#include "app/NumberText.h"
#include "app/RegimeLine.h"
#include "chart/ChartText.h"
#include "chart/ThetaBetaChart.h"

namespace {

struct Theory {
  const char* name;
  QColor colour;
};
// Exact, Ackeret, third order, model: the order of LoadsChart's series.
const std::array<Theory, 4> kTheories = {{
    {QT_TRANSLATE_NOOP("LoadsChart", "shock-expansion"), QColor(0x1f, 0x4e, 0x9c)},
    {QT_TRANSLATE_NOOP("LoadsChart", "Ackeret"), QColor(0xd9, 0x77, 0x06)},
    {QT_TRANSLATE_NOOP("LoadsChart", "third order"), QColor(0x8e, 0x44, 0xad)},
    {QT_TRANSLATE_NOOP("LoadsChart", "model"), QColor(0x2e, 0x8b, 0x57)},
}};

// A few hundredths of a percent of the plot: a fifth of a pixel on a chart 600 pixels high.
constexpr double kThinning = 3e-4;

QList<QPointF> points(const ChartCurve& curve) {
  QList<QPointF> list;
  list.reserve(static_cast<qsizetype>(curve.size()));
  for (const ChartPoint& p : curve) list.append(QPointF(p.x, p.y));
  return list;
}

}  // namespace

LoadsChart::LoadsChart() {
  legend()->setAlignment(Qt::AlignBottom);
  legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  alpha = new QValueAxis(this);
  alpha->setTitleText(tr("angle of attack α [°]"));
  alpha->setRange(0.0, kSweepTop);
  alpha->setTickType(QValueAxis::TicksDynamic);
  alpha->setTickAnchor(0.0);
  alpha->setTickInterval(15.0);
  alpha->setLabelFormat(QStringLiteral("%.0f"));
  coefficient = new QValueAxis(this);
  coefficient->setTitleText(tr("c<sub>l</sub> solid, c<sub>d</sub> dashed [-]"));
  addAxis(alpha, Qt::AlignBottom);
  addAxis(coefficient, Qt::AlignLeft);

  const auto add = [this](QLineSeries* series) {
    addSeries(series);
    series->attachAxis(alpha);
    series->attachAxis(coefficient);
  };
  for (std::size_t i = 0; i < kTheories.size(); ++i) {
    const QString name = tr(kTheories[i].name);
    for (std::size_t part = 0; part < kParts; ++part) {
      for (const auto& [series, style] :
           {std::pair(&lift[i][part], Qt::SolidLine), std::pair(&drag[i][part], Qt::DashLine)}) {
        *series = new QLineSeries(this);
        styleCurve(**series, kTheories[i].colour, style == Qt::SolidLine ? 2.5 : 2.0, style);
        (*series)->setName(name);
        add(*series);
        // One legend entry per theory: the colour is the theory, the line lift or drag.
        if (part > 0 || style != Qt::SolidLine)
          legend()->markers(*series).front()->setVisible(false);
      }
    }
  }
  alphaAt = new QLineSeries(this);
  styleCurve(*alphaAt, Qt::black, 1.5, Qt::DashDotLine);
  alphaAt->setName(tr("α"));
  add(alphaAt);
  // Where the exact answer ends, and why: the shock detaches, or the fan above reaches zero
  // pressure short of the plate.
  detachesAt = new QLineSeries(this);
  styleCurve(*detachesAt, ThetaBetaChart::kDetachedColour, 1.5, Qt::DotLine);
  detachesAt->setName(tr("θmax: detached"));
  add(detachesAt);
  vacuumAt = new QLineSeries(this);
  styleCurve(*vacuumAt, Qt::darkGray, 1.5, Qt::DotLine);
  vacuumAt->setName(tr("vacuum"));
  add(vacuumAt);
  modelEnd = new QScatterSeries(this);
  modelEnd->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  modelEnd->setMarkerSize(8.0);
  modelEnd->setColor(kTheories[3].colour);
  addSeries(modelEnd);
  modelEnd->attachAxis(alpha);
  modelEnd->attachAxis(coefficient);
}

void LoadsChart::showCurves(const ChartSeries& series) {
  const LoadsSeries& loads = series.loads;
  const std::array<const LoadCurves*, 4> theories = {&loads.exact, &loads.ackeret,
                                                     &loads.thirdOrder, &loads.model};
  // A little room above the highest curve that matters, on round numbers.
  coefficient->setRange(loads.lowest, loads.highest * 1.1);
  coefficient->applyNiceNumbers();
  const double top = coefficient->max();
  const double height = top - coefficient->min();
  const auto draw = [top, height](const Parts& series, const ChartCurve& curve) {
    const std::vector<ChartCurve> parts = partsBelow(curve, top);
    for (std::size_t part = 0; part < kParts; ++part) {
      series[part]->replace(part < parts.size()
                                ? points(thinnedCurve(parts[part], kSweepTop, height, kThinning))
                                : QList<QPointF>());
      // An unused part costs a paint all the same; the first keeps the legend entry.
      if (part > 0) series[part]->setVisible(part < parts.size());
    }
  };
  for (std::size_t i = 0; i < theories.size(); ++i) {
    draw(lift[i], theories[i]->lift);
    draw(drag[i], theories[i]->drag);
  }
  shownRevision = series.curvesRevision;

  const auto vertical = [this](QLineSeries& line, const std::optional<double>& at) {
    line.replace(
        at ? QList<QPointF>{QPointF(*at, coefficient->min()), QPointF(*at, coefficient->max())}
           : QList<QPointF>());
    legend()->markers(&line).front()->setVisible(at.has_value());
  };
  vertical(*detachesAt, loads.maxDeflection);
  vertical(*vacuumAt, loads.vacuumAngle);
  // The model's curve ends before the chart does where one of its own faces stops giving a
  // pressure (its lower shock has no solution that steep); the square says so.
  const bool endsEarly = loads.modelEnd && *loads.modelEnd < kSweepTop && !loads.model.lift.empty();
  modelEnd->replace(
      endsEarly ? QList<QPointF>{QPointF(loads.model.lift.back().x, loads.model.lift.back().y)}
                : QList<QPointF>());
  // Short enough for a small chart's legend in either language; the square marks the angle.
  modelEnd->setName(endsEarly ? tr("model ends:<br>no pressure") : QString());
  legend()->markers(modelEnd).front()->setVisible(endsEarly);
}

void LoadsChart::display(const ChartSeries& series) {
  if (series.curvesRevision != shownRevision) showCurves(series);
  const double at = std::fmin(std::fmax(series.alpha, 0.0), kSweepTop);
  alphaAt->replace({QPointF(at, coefficient->min()), QPointF(at, coefficient->max())});
  // The main window's figures for M₁; a number it could not show sensibly is shortened.
  const QString mach = std::isfinite(series.mach) && std::fabs(series.mach) < 1e6
                           ? QString::fromStdString(formatNumber(series.mach))
                           : chartNumber(series.mach, 3);
  QString title = tr("Loads at M₁ = %1, α = %2°").arg(mach, chartNumber(series.alpha, 2));
  // Where the exact answer has nothing at α, say why, from the one classification.
  switch (series.regime) {
    case theory::Regime::Detached:
      title += tr(": detached");
      break;
    case theory::Regime::Vacuum:
      title += tr(": vacuum above");
      break;
    case theory::Regime::Subsonic:
      title += tr(": subsonic, no theory");
      break;
    case theory::Regime::NoGas:
    case theory::Regime::AbsoluteZero:
    case theory::Regime::InvalidInput:
      title += tr(": no flow");
      break;
    case theory::Regime::ShockExpansion:
    case theory::Regime::SubsonicBehindShock:
    case theory::Regime::MachWaves:
      break;
  }
  setTitle(title);
  setTitleBrush(picturesRealFlow(series.regime) ? QBrush(Qt::black)
                                                : QBrush(ThetaBetaChart::kDetachedColour));
}

double LoadsChart::alphaLine() const {
  return alphaAt->count() > 0 ? alphaAt->at(0).x() : -1.0;
}

std::array<qsizetype, 4> LoadsChart::liftPointCounts() const {
  std::array<qsizetype, 4> counts{};
  for (std::size_t i = 0; i < lift.size(); ++i)
    for (const QLineSeries* part : lift[i]) counts[i] += part->count();
  return counts;
}

void LoadsChart::resizeEvent(QGraphicsSceneResizeEvent* event) {
  fitTextsToSize(*this, event->newSize());
  QChart::resizeEvent(event);
}
