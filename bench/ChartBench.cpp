// SPDX-License-Identifier: GPL-3.0-or-later
// What the charts cost when the flow changes: the numbers for a new free stream (the 751-angle
// sweep and every curve) or a new α (the markers), handed to both charts, and both charts
// painted at the window's size, as a drag with the charts open asks of every mouse move.
#include <benchmark/benchmark.h>

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include "app/ChartSeries.h"
#include "chart/LoadsChart.h"
#include "chart/ThetaBetaChart.h"
#include "session/Session.h"

namespace {

struct ChartSession {
  ChartSession() {
    for (QChart* chart : {static_cast<QChart*>(&thetaBeta), static_cast<QChart*>(&loads)}) {
      chart->resize(560, 440);
    }
  }
  void show(const ChartSeries& series) {
    thetaBeta.display(series);
    loads.display(series);
  }
  Session session{SessionOptions{}};
  FlowModel& model = session.model();
  ChartSeriesBuilder builder;
  ThetaBetaChart thetaBeta;
  LoadsChart loads;
};

// Two free streams in turn, 450 and 451 m/s: every update sweeps again.
void BM_ChartSweep(benchmark::State& state) {
  ChartSession s;
  double velocity = s.model.velocity;
  for (auto _ : state) {
    velocity = velocity == 450.0 ? 451.0 : 450.0;
    s.model.velocity = velocity;
    benchmark::DoNotOptimize(s.builder.update(s.model).loads.exact.lift.size());
  }
}

void BM_ChartsNewFreeStream(benchmark::State& state) {
  ChartSession s;
  double velocity = s.model.velocity;
  for (auto _ : state) {
    velocity = velocity == 450.0 ? 451.0 : 450.0;
    s.model.velocity = velocity;
    s.show(s.builder.update(s.model));
  }
}

// Two angles in turn, the sweep already done.
void BM_ChartsNewAngle(benchmark::State& state) {
  ChartSession s;
  double angle = 0.1;
  for (auto _ : state) {
    angle = angle == 0.1 ? 0.2 : 0.1;
    s.model.angle = angle;
    s.show(s.builder.update(s.model));
  }
}

// A new α and both charts painted whole, more than a repaint of the changed parts costs.
void BM_ChartsNewAngleAndPaint(benchmark::State& state) {
  ChartSession s;
  QGraphicsScene scene;
  scene.addItem(&s.thetaBeta);
  scene.addItem(&s.loads);
  s.loads.setPos(560, 0);
  QImage image(1120, 440, QImage::Format_ARGB32_Premultiplied);
  double angle = 0.1;
  for (auto _ : state) {
    angle = angle == 0.1 ? 0.2 : 0.1;
    s.model.angle = angle;
    s.show(s.builder.update(s.model));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter);
  }
  // The charts belong to the session, not to the scene.
  scene.removeItem(&s.thetaBeta);
  scene.removeItem(&s.loads);
}

}  // namespace

BENCHMARK(BM_ChartSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartsNewFreeStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartsNewAngle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartsNewAngleAndPaint)->Unit(benchmark::kMillisecond);
