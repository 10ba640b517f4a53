// SPDX-License-Identifier: GPL-3.0-or-later
// Off-screen chart files: a chart in a scene of its own, never shown, painted into an image or
// an SVG generator.
#include "chart/ChartFile.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cctype>
#include <memory>
#include <string>

#include "app/ChartSeries.h"
#include "chart/LoadsChart.h"
#include "chart/ThetaBetaChart.h"

namespace {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::unique_ptr<QChart> makeChart(ChartKind kind, const ChartSeries& series) {
  if (kind == ChartKind::ThetaBeta) {
    auto chart = std::make_unique<ThetaBetaChart>();
    chart->display(series);
    return chart;
  }
  auto chart = std::make_unique<LoadsChart>();
  chart->display(series);
  return chart;
}

}  // namespace

std::optional<ChartFormat> chartFormatFor(std::string_view fileName) {
  // A stream the program was given: no name to take a type from.
  if (fileName == "-" || fileName == "/dev/stdout" || fileName == "/dev/stderr" ||
      (fileName.starts_with("/dev/fd/") && fileName.size() > 8 &&
       fileName.find_first_not_of("0123456789", 8) == std::string_view::npos))
    return ChartFormat::Png;
  const std::size_t slash = fileName.find_last_of('/');
  const std::string_view base =
      slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = base.find_last_of('.');
  // A leading dot names a hidden file, not an extension: ".svg" has none.
  if (dot == std::string_view::npos || dot == 0) return std::nullopt;
  const std::string extension = lowerCase(base.substr(dot + 1));
  if (extension == "png") return ChartFormat::Png;
  if (extension == "svg") return ChartFormat::Svg;
  return std::nullopt;
}

QByteArray renderChart(ChartKind kind, const ChartSeries& series, QSize size, ChartFormat format) {
  if (size.isEmpty()) return {};
  QGraphicsScene scene;
  QChart* const chart = makeChart(kind, series).release();  // the scene owns it from here
  scene.addItem(chart);
  chart->resize(QSizeF(size));
  // The chart lays itself out in posted events.
  QCoreApplication::processEvents();
  const QRectF whole(QPointF(0, 0), QSizeF(size));

  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  if (format == ChartFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    // The resolution of a QImage, so that the text has the same size as in the PNG and a
    // viewer shows the drawing at `size` pixels.
    svg.setResolution(96);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart->title());
    svg.setDescription(QStringLiteral("zerkon"));
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    scene.render(&painter, whole, whole);
    if (!painter.end()) return {};
    return bytes;
  }
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, whole, whole);
  }
  if (!image.save(&buffer, "PNG")) return {};
  return bytes;
}
