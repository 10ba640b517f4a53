// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ChartsWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <string>
#include <string_view>

#include "chart/ChartFile.h"
#include "chart/LoadsChart.h"
#include "chart/ThetaBetaChart.h"
#include "model/FlowModel.h"
#include "platform/OutputFile.h"
#include "ui/AngleChartView.h"
#include "ui/PictureActions.h"

namespace {
constexpr QSize kChartSize{560, 440};  // pixels, each chart as it opens
}  // namespace

ChartsWindow::ChartsWindow(const FlowModel& model, QWidget* parent)
    : QDialog(parent), model(model) {
  setWindowTitle(tr("Charts"));
  setModal(false);
  if (parent) setWindowIcon(parent->windowIcon());

  thetaBeta = new ThetaBetaChart;
  loads = new LoadsChart;
  thetaBetaPane = new AngleChartView(thetaBeta);
  loadsPane = new AngleChartView(loads);
  auto* layout = new QGridLayout(this);
  int column = 0;
  for (const auto& [pane, kind] :
       {std::pair(thetaBetaPane, ChartKind::ThetaBeta), std::pair(loadsPane, ChartKind::Loads)}) {
    pane->setMinimumSize(kChartSize / 2);
    pane->resize(kChartSize);
    layout->addWidget(pane, 0, column);
    layout->setColumnStretch(column, 1);
    auto* save = new QPushButton(tr("Save chart..."));
    layout->addWidget(save, 1, column, Qt::AlignRight);
    connect(save, &QPushButton::clicked, this, [this, kind = kind] { saveChart(kind); });
    connect(pane, &AngleChartView::angleAsked, this, &ChartsWindow::angleAsked);
    ++column;
  }
  layout->setRowStretch(0, 1);
  resize(2 * kChartSize.width() + 30, kChartSize.height() + 60);

  pending.setSingleShot(true);
  pending.setInterval(0);
  connect(&pending, &QTimer::timeout, this, &ChartsWindow::refresh);
}

void ChartsWindow::flowChanged() {
  if (!isVisible()) {
    stale = true;
    return;
  }
  // Already waiting: the coming redraw will see this change too.
  if (!pending.isActive()) pending.start();
}

void ChartsWindow::refresh() {
  pending.stop();
  stale = false;
  const ChartSeries& series = builder.update(model);
  thetaBeta->display(series);
  loads->display(series);
  ++refreshes;
}

void ChartsWindow::showEvent(QShowEvent* event) {
  if (stale) refresh();
  QDialog::showEvent(event);
}

void ChartsWindow::saveChart(ChartKind kind) {
  const QString suggested =
      kind == ChartKind::ThetaBeta ? QStringLiteral("theta-beta.png") : QStringLiteral("loads.png");
  QString name = QFileDialog::getSaveFileName(this, tr("Save chart"), suggested,
                                              tr("PNG image (*.png);;SVG drawing (*.svg)"));
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".png");
  const std::string bytesName = QFile::encodeName(name).toStdString();
  const auto format = chartFormatFor(bytesName);
  if (!format) {
    QMessageBox::warning(
        this, tr("Save chart"),
        tr("A chart is saved as a .png or an .svg file, not as %1.").arg(shortenedPath(name)));
    return;
  }
  // What can be told before drawing (a missing folder, a name too long) is told first.
  std::string problem = outputProblem(bytesName);
  QByteArray bytes;
  if (problem.empty()) {
    // The file as it is shown now, at the size it is shown.
    const AngleChartView& pane = kind == ChartKind::ThetaBeta ? *thetaBetaPane : *loadsPane;
    bytes = renderChart(kind, builder.update(model), pane.size(), *format);
    if (bytes.isEmpty()) problem = tr("the chart cannot be drawn").toStdString();
  }
  // Written whole or not at all, as Save picture writes: a link's target gets the bytes, a
  // failed save leaves an older file as it was, a pipe or a device is refused.
  if (problem.empty())
    problem = replaceFileWhole(
        bytesName, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!problem.empty()) {
    QMessageBox::warning(
        this, tr("Save chart"),
        tr("Cannot write %1: %2").arg(shortenedPath(name), QString::fromStdString(problem)));
  }
}
