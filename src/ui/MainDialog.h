// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one window: the flow picture on top, three columns of numbers below
// (the free stream, the local state and the local velocity under the mouse).
// All field rules go through FieldLogic, as in the batch tool.

#include <QDialog>
#include <QPoint>
#include <QString>
#include <array>
#include <map>
#include <memory>

#include "app/FieldLogic.h"
#include "ui/WindowZoom.h"
#include "view/FlowView.h"

class ChartsWindow;
class FlowModel;
class NumberField;
class PictureActions;
class QAction;
class QDoubleSpinBox;
class QLabel;
class QVBoxLayout;
class QActionGroup;
class QMenu;
class RegimeLabel;
class TheoryWindow;
class ViewActions;

namespace Ui {
class MainDialog;
}

// The sixteen number fields of the window as the logic sees them.
class WidgetFieldTexts final : public FieldTexts {
 public:
  void bind(FieldId id, NumberField* field);
  NumberField& field(FieldId id) const;

  std::string text(FieldId id) const override;
  void setText(FieldId id, const std::string& text) override;

 private:
  std::array<NumberField*, kAttachOrder.size()> fields{};
};

class MainDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit MainDialog(FlowModel& model, QWidget* parent = nullptr);
  ~MainDialog() override;

  FlowView& flowView() { return view; }
  NumberField& field(FieldId id) const { return fields.field(id); }
  QAction& aboutAction() const { return *about; }
  // Русский, then English.
  QList<QAction*> languageActions() const;
  QAction* theoryAction() const { return theoryItem; }
  // Null until the theory window is first opened.
  TheoryWindow* theoryWindow() const { return theory; }
  PictureActions& pictureActions() const { return *pictures; }
  RegimeLabel& regimeLabel() const { return *regime; }
  // α typed in degrees, 0 to 75; it follows every turn of the plate.
  QDoubleSpinBox& angleField() const { return *angle; }
  QAction* chartsAction() const { return chartsItem; }
  // Null until the charts are first opened.
  ChartsWindow* chartsWindow() const { return charts; }

  // The About box, modal; the animation rests while it is open.
  void showAbout();
  // The theory window, non-modal, made on first use and brought up to date as it opens
  // beside this window.
  void showTheory();
  // The charts, the same way; a click on a chart turns the plate as the keys do.
  void showCharts();

  // Pause, step, restart, zoom and quit, with their keys.
  const ViewActions& viewActions() const { return *controls; }
  // The picture and the window's fonts at one of FlowView::kZoomLevels; the numbers stay.
  void setZoom(int percent);
  int zoom() const { return view.zoom(); }

  // Where the windows stood in the last run, by "main", "theory" and "charts": each is used
  // once, when the window first opens, if it is still wholly on a screen and off the picture.
  void rememberPositions(const std::map<QString, QPoint>& positions);
  QAction* forgetAction() const { return forgetItem; }
  // Forget remembered settings: the window back at 100 % in the system's language, the other
  // windows beside it, and forgetAsked for whoever keeps the settings.
  void forgetSettings();

 signals:
  void forgetAsked();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Escape never closes the window: a field puts back its applied text, elsewhere
  // nothing happens.
  void keyPressEvent(QKeyEvent* event) override;
  // A new language: every text of the window again, from the translation now installed.
  void changeEvent(QEvent* event) override;

 private:
  // V1, T1 or P1 was left or confirmed with Enter.
  void applyFreeStream();
  // M1 was left: a changed Mach number sets V1, an unchanged one nothing.
  void applyMach();
  // The nine local fields for the picture point (x, y); "—" where the model's probe reads
  // nothing (below its sample angle).
  void probe(int x, int y);
  void showFieldMenu(NumberField& field, const QPoint& at);
  void addMenuItems(QMenu& menu) const;
  // Only a shown theory window is brought up to date: closed, it costs nothing. The charts
  // follow the same changes.
  void refreshTheory();
  // The regime line is always shown, so it follows every turn and every free stream.
  void refreshRegime();
  // Puts the theory or the charts window beside this one, never over it.
  void placeBeside(QWidget& window);
  // The window's keys work in `window` as well.
  void shareKeys(QWidget& window);
  // The first placement: where it stood last time if that still fits, else beside.
  void placeFirst(QWidget& window, const QString& key);
  // After a zoom: the fields beside the picture instead of below it when the window would
  // be taller than the screen, so a projector's 1080 lines show all of it at 200 %.
  void reflow();
  // After a zoom: as much of the window on its screen as fits.
  void keepOnScreen();
  void retranslate();

  FlowModel& model;
  std::unique_ptr<Ui::MainDialog> ui;
  QString shownMach;        // M1 as the last recompute wrote it
  QString announcedRegime;  // the regime line a screen reader last heard
  FlowView view;
  WidgetFieldTexts fields;
  QAction* about = nullptr;        // owned by this window
  QAction* theoryItem = nullptr;   // owned by this window
  TheoryWindow* theory = nullptr;  // owned by this window

  // The regime line and the picture's tools, both owned by this window.
  RegimeLabel* regime = nullptr;
  QLabel* angleLabel = nullptr;  // "α", owned by this window as the field
  QDoubleSpinBox* angle = nullptr;
  PictureActions* pictures = nullptr;
  ViewActions* controls = nullptr;  // owned by this window
  WindowZoom windowZoom;
  QAction* chartsItem = nullptr;         // owned by this window
  QAction* forgetItem = nullptr;         // owned by this window
  QVBoxLayout* picturePart = nullptr;    // the picture, α and the regime; owned by the layout
  std::map<QString, QPoint> remembered;  // frame corners from the last run, screen pixels
  ChartsWindow* charts = nullptr;        // owned by this window

  // The context menu's Language items, owned by this window.
  QActionGroup* languages = nullptr;
  QAction* russian = nullptr;
  QAction* english = nullptr;
};
