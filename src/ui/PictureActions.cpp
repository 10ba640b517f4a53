// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureActions.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>

#include "app/Export.h"
#include "platform/OutputFile.h"
#include "ui/LegendWindow.h"
#include "ui/WindowPlacement.h"
#include "view/FlowView.h"

namespace {

// The whole PNG in memory, read back once to be sure it holds the frame; empty on failure.
QByteArray encodedPng(const QImage& frame) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (frame.isNull() || !buffer.open(QIODevice::WriteOnly) || !frame.save(&buffer, "PNG"))
    return {};
  const QImage check = QImage::fromData(bytes, "PNG");
  if (check.size() != frame.size()) return {};
  return bytes;
}

}  // namespace

QString shortenedPath(const QString& path) {
  // A message box as wide as a 255-byte name would run off the screen.
  constexpr qsizetype kLongest = 80;
  if (path.size() <= kLongest) return path;
  return path.left(kLongest / 2 - 1) + QStringLiteral("…") + path.right(kLongest / 2);
}

namespace {

struct ProbeStep {
  const char* text;
  QKeyCombination key;
  int dx;
  int dy;
};

}  // namespace

PictureActions::PictureActions(QWidget& window, FlowView& view, FlowModel& model,
                               const FieldTexts& fields)
    : QObject(&window),
      window(window),
      view(view),
      model(model),
      fields(fields),
      folder(QDir::homePath()) {
  save = addAction(QT_TR_NOOP("&Save picture..."), QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save, &QAction::triggered, this, &PictureActions::savePicture);
  copy = addAction(QT_TR_NOOP("&Copy values"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(copy, &QAction::triggered, this, &PictureActions::copyValues);
  legend = addAction(QT_TR_NOOP("&Legend"), QKeySequence(Qt::Key_F3));
  connect(legend, &QAction::triggered, this, &PictureActions::showLegend);

  const ProbeStep steps[] = {
      {QT_TR_NOOP("Probe 1 pixel left"), Qt::CTRL | Qt::Key_Left, -1, 0},
      {QT_TR_NOOP("Probe 1 pixel right"), Qt::CTRL | Qt::Key_Right, 1, 0},
      {QT_TR_NOOP("Probe 1 pixel up"), Qt::CTRL | Qt::Key_Up, 0, -1},
      {QT_TR_NOOP("Probe 1 pixel down"), Qt::CTRL | Qt::Key_Down, 0, 1},
      {QT_TR_NOOP("Probe 10 pixels left"), Qt::CTRL | Qt::SHIFT | Qt::Key_Left, -10, 0},
      {QT_TR_NOOP("Probe 10 pixels right"), Qt::CTRL | Qt::SHIFT | Qt::Key_Right, 10, 0},
      {QT_TR_NOOP("Probe 10 pixels up"), Qt::CTRL | Qt::SHIFT | Qt::Key_Up, 0, -10},
      {QT_TR_NOOP("Probe 10 pixels down"), Qt::CTRL | Qt::SHIFT | Qt::Key_Down, 0, 10},
  };
  for (std::size_t i = 0; i < probes.size(); ++i) {
    const ProbeStep& step = steps[i];
    probes[i] = addAction(step.text, QKeySequence(step.key));
    connect(probes[i], &QAction::triggered, this,
            [this, dx = step.dx, dy = step.dy] { this->view.moveProbeBy(dx, dy); });
  }
}

QAction* PictureActions::addAction(const char* text, const QKeySequence& key) {
  auto* action = new QAction(tr(text), &window);
  named.emplace_back(action, text);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  window.addAction(action);
  return action;
}

void PictureActions::retranslate() {
  for (const auto& [action, text] : named) action->setText(tr(text));
}

void PictureActions::addTo(QMenu& menu) const {
  menu.addSeparator();
  menu.addAction(save);
  menu.addAction(copy);
  QMenu* probing = menu.addMenu(tr("&Probe with the keyboard"));
  for (QAction* step : probes) probing->addAction(step);
  menu.addAction(legend);
}

QString PictureActions::defaultFileName() const {
  return QString::fromStdString(pictureFileName(model.deriveFreeStream().mach, model.angle));
}

void PictureActions::savePicture() {
  // The frame of the moment the teacher asked: the animation goes on behind the dialog.
  const QImage frame = view.screenImage().copy();
  QFileDialog dialog(&window, tr("Save picture"), QDir(folder).filePath(defaultFileName()),
                     tr("PNG pictures (*.png)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  if (savePictureAs(frame, path)) folder = QFileInfo(path).absolutePath();
}

bool PictureActions::savePictureAs(const QImage& frame, const QString& path) {
  // PNG bytes go only into a .png file: a name that says .jpg would lie about its content.
  if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0) {
    QMessageBox::warning(&window, tr("Save picture"),
                         tr("A picture is saved as a .png file, not as %1.")
                             .arg(shortenedPath(QDir::toNativeSeparators(path))));
    return false;
  }
  const std::string name = QFile::encodeName(path).toStdString();
  // What can be told before the encoding (a missing folder, a name too long) is told first.
  std::string problem = outputProblem(name);
  QByteArray png;
  if (problem.empty()) {
    png = encodedPng(frame);
    if (png.isEmpty()) problem = tr("the picture could not be encoded as PNG").toStdString();
  }
  if (problem.empty())
    problem = replaceFileWhole(
        name, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
  if (problem.empty()) return true;
  QMessageBox::warning(
      &window, tr("Save picture"),
      tr("The picture was not saved to %1: %2.")
          .arg(shortenedPath(QDir::toNativeSeparators(path)), QString::fromStdString(problem)));
  return false;
}

QString inLocale(const QString& table, const QString& decimalPoint) {
  // A number alone in its cell: digits with at most one point, a sign and an exponent.
  static const QRegularExpression kNumber(
      QStringLiteral("^[-+]?[0-9]*\\.[0-9]+([eE][-+]?[0-9]+)?$"));
  QStringList rows = table.split(QLatin1Char('\n'));
  for (QString& row : rows) {
    QStringList cells = row.split(QLatin1Char('\t'));
    for (QString& cell : cells)
      if (kNumber.match(cell).hasMatch()) cell.replace(QLatin1Char('.'), decimalPoint);
    row = cells.join(QLatin1Char('\t'));
  }
  return rows.join(QLatin1Char('\n'));
}

void PictureActions::copyValues() {
  const std::optional<QPoint> at = view.probedPoint();
  const std::optional<ProbedPoint> probed =
      at ? std::optional(ProbedPoint{at->x(), at->y()}) : std::nullopt;
  const std::string table = valuesTable(fields, model, probed, makeTheoryReport(model));
  QGuiApplication::clipboard()->setText(
      inLocale(QString::fromStdString(table), window.locale().decimalPoint()));
}

void PictureActions::showLegend() {
  if (!legendBox) {
    legendBox = new LegendWindow(&window);
    // Beside the window, never over the picture.
    legendBox->adjustSize();
    placeBeside(window, view, *legendBox);
  }
  legendBox->show();
  legendBox->raise();
  legendBox->activateWindow();
}
