// SPDX-License-Identifier: GPL-3.0-or-later
// The θ-β-M chart: series made once, their points replaced as the flow changes.
#include "chart/ThetaBetaChart.h"

#include <QGraphicsSceneResizeEvent>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <QLegend>

#include "app/ChartSeries.h"
#include "app/NumberText.h"
#include "chart/ChartText.h"

namespace {

const QColor kReferenceColour{0xa8, 0xa8, 0xa8};
const QColor kLocusColour{0x40, 0x40, 0x40};
const QColor kModelColour{0x2e, 0x8b, 0x57};

QList<QPointF> points(const ChartCurve& curve) {
  QList<QPointF> list;
  list.reserve(static_cast<qsizetype>(curve.size()));
  for (const ChartPoint& p : curve) list.append(QPointF(p.x, p.y));
  return list;
}

QList<QPointF> marker(const std::optional<ChartPoint>& at) {
  if (!at) return {};
  return {QPointF(at->x, at->y)};
}

std::vector<QPointF> shown(const QScatterSeries& series) {
  const QList<QPointF> list = series.points();
  return {list.begin(), list.end()};
}

// The smallest of 90°, 120°, 150° and 180° that holds β: the model's front leans past the
// vertical for large α, and must stay on the chart.
double betaTop(double beta) {
  for (const double top : {90.0, 120.0, 150.0}) {
    if (beta <= top) return top;
  }
  return 180.0;
}

}  // namespace

ThetaBetaChart::ThetaBetaChart() {
  legend()->setAlignment(Qt::AlignBottom);
  // Each entry drawn as its own line, so the weak branch (solid) and the strong one (dashed)
  // read apart, not as two identical squares.
  legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  theta = new QValueAxis(this);
  theta->setTitleText(tr("flow deflection θ = α [°]"));
  theta->setTickType(QValueAxis::TicksDynamic);
  theta->setTickAnchor(0.0);
  theta->setTickInterval(10.0);
  theta->setLabelFormat(QStringLiteral("%.0f"));
  beta = new QValueAxis(this);
  beta->setTitleText(tr("shock angle β [°]"));
  beta->setTickType(QValueAxis::TicksDynamic);
  beta->setTickAnchor(0.0);
  beta->setLabelFormat(QStringLiteral("%.0f"));
  addAxis(theta, Qt::AlignBottom);
  addAxis(beta, Qt::AlignLeft);

  const auto add = [this](QXYSeries* series, const QString& name) {
    series->setName(name);
    addSeries(series);
    series->attachAxis(theta);
    series->attachAxis(beta);
  };
  for (std::size_t i = 0; i < std::size(kReferenceMachs); ++i) {
    for (const Qt::PenStyle style : {Qt::SolidLine, Qt::DashLine}) {
      auto* curve = new QLineSeries(this);
      styleCurve(*curve, kReferenceColour, 1.0, style);
      add(curve, QString());
      references.push_back(curve);
    }
  }
  locus = new QLineSeries(this);
  styleCurve(*locus, kLocusColour, 1.5, Qt::DotLine);
  add(locus, tr("θmax"));
  sonic = new QLineSeries(this);
  styleCurve(*sonic, kLocusColour, 1.0, Qt::DashDotLine);
  add(sonic, tr("M₂ = 1"));
  weak = new QLineSeries(this);
  styleCurve(*weak, kAttachedColour, 2.5, Qt::SolidLine);
  add(weak, tr("weak"));
  strong = new QLineSeries(this);
  styleCurve(*strong, kAttachedColour, 2.0, Qt::DashLine);
  add(strong, tr("strong"));
  model = new QScatterSeries(this);
  model->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  model->setMarkerSize(11.0);
  model->setColor(kModelColour);
  model->setBorderColor(Qt::black);
  add(model, tr("model front"));
  exact = new QScatterSeries(this);
  exact->setMarkerSize(13.0);
  exact->setBorderColor(Qt::black);
  add(exact, tr("exact shock"));

  // One legend entry stands for all the reference curves.
  QString names;
  for (const double mach : kReferenceMachs)
    names += (names.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(mach);
  references.front()->setName(tr("M₁ = %1").arg(names));
  for (std::size_t i = 1; i < references.size(); ++i)
    legend()->markers(references[i]).front()->setVisible(false);
  for (const double mach : kReferenceMachs) {
    auto* label = new QGraphicsSimpleTextItem(QString::number(mach), this);
    label->setBrush(kLocusColour);
    labels.push_back(label);
  }
  connect(this, &QChart::plotAreaChanged, this, &ThetaBetaChart::placeLabels);
}

void ThetaBetaChart::placeLabels() {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    labels[i]->setVisible(i < noses.size());
    if (i >= noses.size()) continue;
    const QPointF at = mapToPosition(noses[i], references[2 * i]);
    const QRectF box = labels[i]->boundingRect();
    labels[i]->setPos(at + QPointF(4.0, -box.height() / 2));
  }
}

void ThetaBetaChart::showCurves(const ChartSeries& series) {
  const ThetaBetaSeries& chart = series.thetaBeta;
  // The reference curves and the locus never change; only the free stream's own do.
  if (locus->count() == 0) {
    for (std::size_t i = 0; i < chart.references.size() && 2 * i + 1 < references.size(); ++i) {
      references[2 * i]->replace(points(chart.references[i].weak));
      references[2 * i + 1]->replace(points(chart.references[i].strong));
    }
    locus->replace(points(chart.maxLocus));
    sonic->replace(points(chart.sonicLocus));
    noses.clear();
    for (const ShockCurves& reference : chart.references)
      if (!reference.weak.empty())
        noses.emplace_back(reference.weak.back().x, reference.weak.back().y);
  }
  weak->replace(chart.current ? points(chart.current->weak) : QList<QPointF>());
  strong->replace(chart.current ? points(chart.current->strong) : QList<QPointF>());
  shownRevision = series.curvesRevision;
}

void ThetaBetaChart::display(const ChartSeries& series) {
  if (series.curvesRevision != shownRevision) showCurves(series);
  const ThetaBetaSeries& chart = series.thetaBeta;
  const bool detached = chart.state == OperatingPoint::Detached;
  exact->setColor(detached ? kDetachedColour : kAttachedColour);
  exact->replace(marker(chart.exact));
  model->replace(marker(chart.model));

  // The axes grow only when a marker would leave them.
  const double thetaTop = series.alpha <= 50.0 ? 50.0 : 80.0;
  const double top = betaTop(chart.model ? chart.model->y : 0.0);
  if (theta->max() != thetaTop || theta->min() != 0.0) theta->setRange(0.0, thetaTop);
  if (beta->max() != top || beta->min() != 0.0) {
    beta->setRange(0.0, top);
    beta->setTickInterval(top > 90.0 ? 15.0 : 10.0);
  }
  placeLabels();

  // M₁ as the main window's field shows it: one formatter for every window.
  QString title =
      tr("θ-β-M at M₁ = %1, α = %2°")
          .arg(QString::fromStdString(formatNumber(series.mach)), chartNumber(series.alpha, 2));
  if (detached && chart.maxDeflection)
    title += tr(": detached (θmax = %1°)").arg(chartNumber(*chart.maxDeflection, 2));
  else if (chart.state == OperatingPoint::Absent)
    title += tr(": no oblique shock");
  setTitle(title);
  setTitleBrush(detached ? QBrush(kDetachedColour) : QBrush(Qt::black));
}

QColor ThetaBetaChart::operatingColour() const {
  return exact->color();
}

std::vector<QPointF> ThetaBetaChart::operatingPoint() const {
  return shown(*exact);
}

std::vector<QPointF> ThetaBetaChart::modelPoint() const {
  return shown(*model);
}

void ThetaBetaChart::resizeEvent(QGraphicsSceneResizeEvent* event) {
  fitTextsToSize(*this, event->newSize());
  QChart::resizeEvent(event);
}
