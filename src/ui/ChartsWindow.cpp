// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ChartsWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <string>
#include <string_view>
#include <utility>

#include "chart/ChartFile.h"
#include "chart/LoadsChart.h"
#include "chart/ThetaBetaChart.h"
#include "model/FlowModel.h"
#include "platform/OutputFile.h"
#include "ui/AngleChartView.h"
#include "ui/PictureActions.h"

namespace {
constexpr QSize kChartSize{560, 440};  // pixels, each chart as it opens

// A theory's c_l or c_d at the current α, read off its curve; none where it has no value.
std::optional<double> atAlpha(const ChartSeries& series, const ChartCurve& curve) {
  for (std::size_t i = 1; i < curve.size(); ++i) {
    const ChartPoint& a = curve[i - 1];
    const ChartPoint& b = curve[i];
    if (series.alpha < a.x || series.alpha > b.x || b.x == a.x) continue;
    return a.y + (b.y - a.y) * (series.alpha - a.x) / (b.x - a.x);
  }
  return std::nullopt;
}
}  // namespace

ChartsWindow::ChartsWindow(const FlowModel& model, QWidget* parent)
    : QDialog(parent), model(model) {
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
    auto* save = new QPushButton;
    (kind == ChartKind::ThetaBeta ? saveThetaBeta : saveLoads) = save;
    layout->addWidget(save, 1, column, Qt::AlignRight);
    connect(save, &QPushButton::clicked, this, [this, kind = kind] { saveChart(kind); });
    connect(pane, &AngleChartView::angleAsked, this, &ChartsWindow::angleAsked);
    connect(pane, &AngleChartView::angleStepAsked, this, &ChartsWindow::angleStepAsked);
    ++column;
  }
  layout->setRowStretch(0, 1);
  resize(2 * kChartSize.width() + 30, kChartSize.height() + 60);

  pending.setSingleShot(true);
  pending.setInterval(0);
  connect(&pending, &QTimer::timeout, this, &ChartsWindow::refresh);
  retranslate();
}

void ChartsWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    // The charts write their texts as they are made: new ones speak the new language.
    auto* newThetaBeta = new ThetaBetaChart;
    auto* newLoads = new LoadsChart;
    thetaBetaPane->setChart(newThetaBeta);
    loadsPane->setChart(newLoads);
    delete std::exchange(thetaBeta, newThetaBeta);
    delete std::exchange(loads, newLoads);
    retranslate();
    if (isVisible()) {
      refresh();
    } else {
      stale = true;
    }
  }
  QDialog::changeEvent(event);
}

void ChartsWindow::retranslate() {
  setWindowTitle(tr("Charts"));
  // Two buttons, two names: a screen reader tells them apart.
  saveThetaBeta->setText(tr("Save θ-β-M chart..."));
  saveLoads->setText(tr("Save loads chart..."));
  thetaBetaPane->setAccessibleName(tr("θ-β-M chart"));
  loadsPane->setAccessibleName(tr("Loads chart: c_l and c_d against α"));
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
  describe(series);
  ++refreshes;
}

void ChartsWindow::describe(const ChartSeries& series) {
  const QLocale shown = locale();
  const auto number = [&shown](std::optional<double> value, int decimals) {
    return value ? shown.toString(*value, 'f', decimals) : QStringLiteral("—");
  };
  const ThetaBetaSeries& shocks = series.thetaBeta;
  const std::optional<double> beta = shocks.exact ? std::optional(shocks.exact->y) : std::nullopt;
  thetaBetaPane->setAccessibleDescription(
      tr("M₁ = %1, θ = α = %2°, shock angle β = %3°, largest attached deflection θmax = %4°.")
          .arg(number(series.mach, 3), number(series.alpha, 1), number(beta, 1),
               number(shocks.maxDeflection, 1)));
  const LoadsSeries& curves = series.loads;
  loadsPane->setAccessibleDescription(
      tr("M₁ = %1, α = %2°: by shock-expansion theory c_l = %3 and c_d = %4; by the model "
         "c_l = %5 and c_d = %6.")
          .arg(number(series.mach, 3), number(series.alpha, 1),
               number(atAlpha(series, curves.exact.lift), 4),
               number(atAlpha(series, curves.exact.drag), 4),
               number(atAlpha(series, curves.model.lift), 4),
               number(atAlpha(series, curves.model.drag), 4)));
}

void ChartsWindow::showEvent(QShowEvent* event) {
  if (stale) refresh();
  QDialog::showEvent(event);
}

void ChartsWindow::saveChart(ChartKind kind) {
  const QString suggested =
      kind == ChartKind::ThetaBeta ? QStringLiteral("theta-beta.png") : QStringLiteral("loads.png");
  const QString png = tr("PNG image (*.png)");
  const QString svg = tr("SVG drawing (*.svg)");
  QString chosen;
  QString name = QFileDialog::getSaveFileName(
      this, tr("Save chart"),
      QDir(folder.isEmpty() ? QDir::currentPath() : folder).filePath(suggested),
      png + QStringLiteral(";;") + svg, &chosen);
  if (name.isEmpty()) return;
  folder = QFileInfo(name).absolutePath();
  if (QFileInfo(name).suffix().isEmpty()) {
    // The type of the filter chosen. The dialog asked about the name without it, so ask
    // again about the file that would really be replaced.
    name += chosen == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (QFileInfo::exists(name) &&
        QMessageBox::question(
            this, tr("Save chart"),
            tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(name)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
      return;
  }
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
