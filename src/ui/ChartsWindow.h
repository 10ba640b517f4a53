// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The charts beside the picture: θ-β-M with the plate's operating point and the loads against
// α, in one non-modal window that follows every turn of the plate and every new free stream
// while it is shown. A click or a drag on either chart asks for the α under the pointer; the
// main window turns the plate there as the keys do, and the charts follow from that turn.
//
// Updates are gathered: however many turns arrive before the event loop runs again, the
// charts are redrawn once. A hidden window only notes that it is behind, and catches up as it
// opens. The animation's timer never reaches it.

#include <QDialog>
#include <QTimer>

#include "app/ChartSeries.h"
#include "chart/ChartFile.h"

class AngleChartView;
class QPushButton;
class FlowModel;
class LoadsChart;
class ThetaBetaChart;

class ChartsWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit ChartsWindow(const FlowModel& model, QWidget* parent = nullptr);

  // The plate or the free stream changed: redraw soon if shown, else on the next show.
  void flowChanged();
  // Redraws now from the model as it stands.
  void refresh();

  const ChartSeries& series() const { return builder.series(); }
  ThetaBetaChart& thetaBetaChart() const { return *thetaBeta; }
  LoadsChart& loadsChart() const { return *loads; }
  AngleChartView& thetaBetaView() const { return *thetaBetaPane; }
  AngleChartView& loadsView() const { return *loadsPane; }
  // How often the charts were redrawn, for the tests of the gathering.
  int refreshCount() const { return refreshes; }

 signals:
  // A click or drag on a chart asks for this angle of attack [°], not yet clamped.
  void angleAsked(double degrees);
  // An arrow key on a focused chart: α by this many degrees from where it stands.
  void angleStepAsked(double degrees);

 protected:
  void showEvent(QShowEvent* event) override;
  // A new language: the charts are made again in it, with the title and the buttons.
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  // The charts in words, for a screen reader: the operating point, θmax, c_l and c_d now.
  void describe(const ChartSeries& series);
  // Asks for a file name and writes the chart there, PNG or SVG by its extension.
  void saveChart(ChartKind kind);

  const FlowModel& model;
  ChartSeriesBuilder builder;
  ThetaBetaChart* thetaBeta = nullptr;  // owned by its view, as the views by this window
  LoadsChart* loads = nullptr;
  AngleChartView* thetaBetaPane = nullptr;
  AngleChartView* loadsPane = nullptr;
  QPushButton* saveThetaBeta = nullptr;
  QPushButton* saveLoads = nullptr;
  QString folder;     // where the last chart went; the current folder at first
  QTimer pending;     // single shot, 0 ms: one redraw for all the changes before it fires
  bool stale = true;  // changes arrived while hidden
  int refreshes = 0;
};
