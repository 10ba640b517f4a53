// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FlowApp.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include "ui/Language.h"

namespace {
constexpr auto kIconResource = ":/icons/zerkon.svg";
constexpr qreal kViewBox = 64.0;  // the drawing's coordinates, as in the SVG

std::string nameFrom(int argc, char** argv) {
  if (argc > 0 && argv != nullptr && argv[0] != nullptr && argv[0][0] != '\0') return argv[0];
  return "zerkon";
}
}  // namespace

// Outside any namespace: the resource initialiser is declared at file scope.
static void loadIconResource() {
  Q_INIT_RESOURCE(zerkon);
}

QPixmap drawnIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kViewBox, size / kViewBox);

  // The same shapes, colours and strokes as icons/zerkon.svg.
  painter.setPen(QPen(QColor(0x9a, 0xb4, 0xd0), 1.0));
  painter.setBrush(QColor(0xee, 0xf4, 0xfb));
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 8, 8);

  painter.setPen(QPen(QColor(0x4a, 0x90, 0x4a), 1.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(4, 16), QPointF(12, 16));
  painter.drawLine(QPointF(4, 44), QPointF(12, 44));

  painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(16, 22), QPointF(30, 5));
  painter.drawLine(QPointF(16, 22), QPointF(42, 6));
  painter.drawLine(QPointF(16, 22), QPointF(54, 10));

  QPen shock(QColor(0xc0, 0x20, 0x20), 2.0, Qt::CustomDashLine, Qt::FlatCap);
  shock.setDashPattern({2.0, 1.5});  // 4 and 3 units in the SVG, in pen widths here
  painter.setPen(shock);
  painter.drawLine(QPointF(16, 22), QPointF(46, 58));

  painter.setPen(QPen(QColor(0x00, 0x00, 0xff), 4.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(16, 22), QPointF(50, 40));
  return pixmap;
}

QIcon applicationIcon() {
  loadIconResource();
  QIcon icon(QString::fromLatin1(kIconResource));
  // Without the SVG plugin the icon exists but renders nothing.
  if (!icon.pixmap(64, 64).isNull()) return icon;
  QIcon drawn;
  for (const int size : {16, 22, 32, 48, 64, 128}) drawn.addPixmap(drawnIcon(size));
  return drawn;
}

FlowApp::FlowApp(int argc, char** argv) : programName(nameFrom(argc, argv)) {
  QApplication::setApplicationName(QStringLiteral("zerkon"));
  QGuiApplication::setDesktopFileName(QStringLiteral("zerkon"));
  QApplication::setWindowIcon(applicationIcon());
  // The window was built in English; it retranslates itself into the system's language.
  installLanguage(systemLanguage());
}

int FlowApp::run() {
  // Escape, the close box and every other way of closing the window end the program.
  QObject::connect(&dialog, &QDialog::finished, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  dialog.show();
  return QApplication::exec();
}
