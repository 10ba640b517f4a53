// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scales a window's fonts, fixed widths and spacing for a zoom, from what
// they were at 100 %, so that at 100 % the window is again exactly as built.
// The widgets of other windows (child dialogs) and one given widget (the
// picture, which sizes itself) are left alone.

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QSize>
#include <vector>

class QLayout;
class QWidget;

class WindowZoom {
 public:
  // Records the window as it is now (at 100 %) on the first call.
  void apply(QWidget& window, const QWidget* skip, int percent);

 private:
  struct WidgetSizes {
    QPointer<QWidget> widget;
    QSize minimum;  // pixels, at 100 %
    QSize maximum;  // pixels, at 100 %
  };
  struct LayoutSpacing {
    QPointer<QLayout> layout;
    int spacing = 0;   // pixels, at 100 %; for grids the horizontal spacing
    int vertical = 0;  // pixels, at 100 %; grids only
    QMargins margins;  // pixels, at 100 %
  };
  void record(QWidget& window, const QWidget* skip);

  bool recorded = false;
  QFont font;  // the window's font at 100 %
  std::vector<WidgetSizes> widgets;
  std::vector<LayoutSpacing> layouts;
};
