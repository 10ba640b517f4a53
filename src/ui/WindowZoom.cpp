// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowZoom.h"

#include <QGridLayout>
#include <QLayout>
#include <QWidget>
#include <cmath>

namespace {
int scaled(int pixels, int percent) {
  return static_cast<int>(std::lround(pixels * percent / 100.0));
}

QSize scaled(QSize size, int percent, bool keepUnbounded) {
  const auto one = [&](int v) {
    return keepUnbounded && v >= QWIDGETSIZE_MAX ? v
                                                 : std::min(scaled(v, percent), QWIDGETSIZE_MAX);
  };
  return {one(size.width()), one(size.height())};
}
}  // namespace

void WindowZoom::record(QWidget& window, const QWidget* skip) {
  recorded = true;
  font = window.font();
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w == skip || w->window() != &window || (skip && skip->isAncestorOf(w))) continue;
    widgets.push_back({w, w->minimumSize(), w->maximumSize()});
  }
  for (QLayout* l : window.findChildren<QLayout*>()) {
    if (l->parentWidget() == nullptr || l->parentWidget()->window() != &window) continue;
    LayoutSpacing s{l, l->spacing(), 0, l->contentsMargins()};
    if (auto* grid = qobject_cast<QGridLayout*>(l)) {
      s.spacing = grid->horizontalSpacing();
      s.vertical = grid->verticalSpacing();
    }
    layouts.push_back(s);
  }
}

void WindowZoom::apply(QWidget& window, const QWidget* skip, int percent) {
  if (!recorded) {
    if (percent == 100) return;  // nothing to undo yet
    record(window, skip);
  }
  for (const WidgetSizes& w : widgets) {
    if (!w.widget) continue;
    w.widget->setMinimumSize(scaled(w.minimum, percent, false));
    w.widget->setMaximumSize(scaled(w.maximum, percent, true));
  }
  for (const LayoutSpacing& s : layouts) {
    if (!s.layout) continue;
    const QMargins& m = s.margins;
    s.layout->setContentsMargins(scaled(m.left(), percent), scaled(m.top(), percent),
                                 scaled(m.right(), percent), scaled(m.bottom(), percent));
    if (auto* grid = qobject_cast<QGridLayout*>(s.layout.data())) {
      grid->setHorizontalSpacing(scaled(s.spacing, percent));
      grid->setVerticalSpacing(scaled(s.vertical, percent));
    } else {
      s.layout->setSpacing(scaled(s.spacing, percent));
    }
  }
  // The font last: labels keep size hints that include their minimum size, and only a
  // new font makes them work those out again.
  QFont zoomed = font;
  if (percent != 100) {
    if (font.pointSizeF() > 0) {
      zoomed.setPointSizeF(font.pointSizeF() * percent / 100.0);
    } else {
      zoomed.setPixelSize(scaled(font.pixelSize(), percent));
    }
  }
  window.setFont(zoomed);
}
