// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's controls of the picture as actions with their keys: pause and
// resume (Space), one tick while paused ("."), restart the particles (R), the
// zoom (Ctrl++ and Ctrl+- step through 100, 150 and 200 %, Ctrl+0 goes back
// to 100 %) and quit (Ctrl+Q). Each action works anywhere in the window except
// where an input field takes the key as text, and shows its key in the menu.

#include <QObject>
#include <array>

class MainDialog;
class FlowView;
class QAction;
class QActionGroup;
class QMenu;

class ViewActions final : public QObject {
  Q_OBJECT

 public:
  ViewActions(MainDialog& window, FlowView& view);

  // The block of these items, after a separator.
  void addTo(QMenu& menu) const;
  // The items' texts in the language now installed.
  void retranslate();

  QAction& pause() const { return *pauseItem; }
  QAction& step() const { return *stepItem; }
  QAction& restart() const { return *restartItem; }
  QAction& zoomIn() const { return *zoomInItem; }
  QAction& zoomOut() const { return *zoomOutItem; }
  // One per zoom level, in the view's order (100, 150, 200 %).
  QAction& zoomTo(std::size_t level) const { return *zoomItems.at(level); }
  QAction& quit() const { return *quitItem; }

 private:
  // A new action owned by the window, with its key, working anywhere in it.
  QAction* make(const QString& text, const QList<QKeySequence>& keys);
  // Zoom in (+1) or out (-1) by one level, staying within the levels.
  void stepZoom(int direction);
  // The checked level and the enabled steps follow the window's zoom.
  void showZoom();

  MainDialog& window;
  FlowView& view;
  QAction* pauseItem = nullptr;  // these are owned by the window
  QAction* stepItem = nullptr;
  QAction* restartItem = nullptr;
  QAction* zoomInItem = nullptr;
  QAction* zoomOutItem = nullptr;
  std::array<QAction*, 3> zoomItems{};
  QActionGroup* zoomGroup = nullptr;  // owned by this object
  QAction* quitItem = nullptr;
};
