// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LegendWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <functional>

#include "canvas/Palette.h"

namespace {

constexpr QSize kSample{64, 28};  // pixels

QColor qColour(Colour colour) {
  return {colour.red, colour.green, colour.blue};
}

template <std::size_t N>
QList<qreal> dashes(const std::array<int, N>& runs) {
  return {runs.begin(), runs.end()};
}

// The picture's own pen, so a sample looks as in the frame (dash runs are in pixels, which
// for a pen one pixel wide are Qt's pen widths).
QPen pen(const Pen& like) {
  QPen p(qColour(like.colour), like.width);
  if (like.style == PenStyle::Dash) p.setDashPattern(dashes(palette::kDashRuns));
  if (like.style == PenStyle::DashDot) p.setDashPattern(dashes(palette::kDashDotRuns));
  return p;
}

QPixmap sample(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kSample);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  draw(painter);
  return pixmap;
}

void arrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QLineF shaft(to, from);
  for (const qreal turn : {-25.0, 25.0}) {
    QLineF head(to, from);
    head.setLength(6);
    head.setAngle(shaft.angle() + turn);
    p.drawLine(head);
  }
}

}  // namespace

LegendWindow::LegendWindow(QWidget* parent) : QDialog(parent) {
  setModal(false);
  if (parent) setWindowIcon(parent->windowIcon());

  const std::pair<const char*, std::function<void(QPainter&)>> rows[] = {
      {QT_TR_NOOP(
           "Tracers: ten thousand particles of gas, one red pixel each, moving with the local "
           "velocity; they enter at the left and are turned by the fronts."),
       [](QPainter& p) {
         p.setPen(qColour(palette::kTracer));
         const QPoint dots[] = {{5, 6},   {14, 19}, {22, 9},  {31, 22}, {37, 4},
                                {44, 15}, {52, 8},  {58, 21}, {9, 24},  {27, 14}};
         p.drawPoints(dots, 10);
       }},
      {QT_TR_NOOP("Pressure bubbles: two orange discs carried by the flow; the higher the local "
                  "pressure, the smaller the disc (radius 10 pixels at 100000 Pa)."),
       [](QPainter& p) {
         p.setPen(qColour(palette::kBlack));
         p.setBrush(qColour(palette::kBubble));
         p.drawEllipse(QPoint(18, 14), 10, 10);
         p.drawEllipse(QPoint(48, 14), 5, 5);
       }},
      {QT_TR_NOOP(
           "Streamlines: twelve green lines, the whole paths of gas entering at evenly spaced "
           "heights."),
       [](QPainter& p) {
         p.setPen(pen(palette::kStreamline));
         p.drawPolyline(QPolygon({{0, 8}, {26, 8}, {44, 20}, {64, 20}}));
       }},
      {QT_TR_NOOP(
           "The plate: the thick blue line; drag it with the left button, or turn it with the "
           "arrow keys when the picture has the keyboard."),
       [](QPainter& p) {
         p.setPen(pen(palette::kPlate));
         p.drawLine(8, 6, 56, 22);
       }},
      {QT_TR_NOOP(
           "Dashed lines: the shock fronts (below at the leading edge, above at the trailing "
           "edge) and the first and last rays of the two expansion fans."),
       [](QPainter& p) {
         p.setPen(pen(palette::kFront));
         p.drawLine(4, 24, 60, 4);
       }},
      {QT_TR_NOOP(
           "Dash-dot lines: the undisturbed free stream at the heights of the leading and the "
           "trailing edge."),
       [](QPainter& p) {
         p.setPen(pen(palette::kFreeStream));
         p.drawLine(0, 14, 64, 14);
       }},
      {QT_TR_NOOP("The force arrow: the force on the plate from the pressures 20 pixels below and "
                  "above its centre, normal to the plate, with its vertical part Fy and horizontal "
                  "part Fx; the labels are in newtons (H)."),
       [](QPainter& p) {
         p.setPen(pen(palette::kThin));
         const QPointF centre(12, 25);
         arrow(p, centre, {34, 5});
         arrow(p, centre, {12, 3});
         arrow(p, centre, {40, 25});
       }},
      {QT_TR_NOOP("The angle arc: the angle of attack α between the thin horizontal reference line "
                  "and the plate, with its value in degrees."),
       [](QPainter& p) {
         p.setPen(pen(palette::kThin));
         p.drawLine(4, 20, 40, 20);
         p.drawArc(QRect(24, 4, 32, 32), 180 * 16, -30 * 16);
         p.setPen(pen(palette::kPlate));
         p.drawLine(40, 20, 60, 8);
       }},
      {QT_TR_NOOP("The crosshair: the point probed with Ctrl and the arrow keys; it goes when the "
                  "mouse moves."),
       [](QPainter& p) {
         const QLine arms[] = {
             {25, 14, 30, 14}, {34, 14, 39, 14}, {32, 7, 32, 12}, {32, 16, 32, 21}};
         p.setPen(pen(palette::kThin));
         p.drawLines(arms, 4);
       }},
  };

  auto* grid = new QGridLayout(this);
  int row = 0;
  for (const auto& [text, draw] : rows) {
    auto* picture = new QLabel;
    picture->setPixmap(sample(draw));
    picture->setFrameShape(QFrame::Box);
    picture->setAlignment(Qt::AlignTop);
    auto* words = new QLabel;
    words->setWordWrap(true);
    words->setMinimumWidth(360);
    grid->addWidget(picture, row, 0, Qt::AlignTop);
    grid->addWidget(words, row, 1);
    descriptions.emplace_back(words, text);
    ++row;
  }
  retranslate();
}

QStringList LegendWindow::entries() const {
  QStringList texts;
  for (const auto& [label, source] : descriptions) texts << label->text();
  return texts;
}

void LegendWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void LegendWindow::retranslate() {
  setWindowTitle(tr("Legend"));
  for (const auto& [label, source] : descriptions) label->setText(tr(source));
  // The other language wraps into other heights; the window follows them.
  adjustSize();
}
