// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a teacher does with the picture besides watching it: save the frame as a PNG, copy
// the values as a table, move the probe with the keyboard and open the legend. Each is an
// action with its key, active anywhere in the window and offered in its context menu.

#include <QObject>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class FieldTexts;
class FlowModel;
class FlowView;
class LegendWindow;
class QAction;
class QImage;
class QMenu;
class QWidget;

// A path fit for a message box: a long one keeps its start and end around "…".
QString shortenedPath(const QString& path);

// `table` (tab-separated cells) with every number's point written as `decimalPoint`, so that
// a spreadsheet in the window's language reads the numbers as numbers.
QString inLocale(const QString& table, const QString& decimalPoint);

class PictureActions final : public QObject {
  Q_OBJECT

 public:
  PictureActions(QWidget& window, FlowView& view, FlowModel& model, const FieldTexts& fields);

  // The actions' texts in the language now installed.
  void retranslate();

  // A separator, then the items of this group.
  void addTo(QMenu& menu) const;

  QAction& saveAction() const { return *save; }
  QAction& copyAction() const { return *copy; }
  QAction& legendAction() const { return *legend; }
  // Left, right, up, down by one pixel, then the same by ten.
  const std::array<QAction*, 8>& probeActions() const { return probes; }

  // The name the save dialog offers: M₁ and α of the flow shown.
  QString defaultFileName() const;
  // Asks for a file name and saves the frame shown when the item was chosen.
  void savePicture();
  // Writes `frame` to `path` (a .png name) as a PNG, whole or not at all, following a
  // symbolic link to its target; another suffix, a pipe or a device is refused and nothing
  // waits on a file. A failure is told in a message
  // box with its cause. True when the file was written.
  bool savePictureAs(const QImage& frame, const QString& path);
  // The values table onto the clipboard.
  void copyValues();
  // The legend, made on first use.
  void showLegend();
  // Null until the legend is first opened.
  LegendWindow* legendWindow() const { return legendBox; }

 private:
  // An action with the English `text`, translated now and again on every retranslate.
  QAction* addAction(const char* text, const QKeySequence& key);

  QWidget& window;
  FlowView& view;
  FlowModel& model;
  const FieldTexts& fields;
  QAction* save = nullptr;  // every action and the legend are owned by the window
  QAction* copy = nullptr;
  QAction* legend = nullptr;
  std::array<QAction*, 8> probes{};
  std::vector<std::pair<QAction*, const char*>> named;  // every action, with its English text
  LegendWindow* legendBox = nullptr;
  QString folder;  // where the last picture went; the home folder at first
};
