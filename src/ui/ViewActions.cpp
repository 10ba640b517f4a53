// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ViewActions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <iterator>

#include "ui/MainDialog.h"
#include "view/FlowView.h"

namespace {
constexpr std::size_t kLevelCount = std::size(FlowView::kZoomLevels);

std::size_t levelOf(int percent) {
  for (std::size_t i = 0; i < kLevelCount; ++i)
    if (FlowView::kZoomLevels[i] == percent) return i;
  return 0;
}
}  // namespace

ViewActions::ViewActions(MainDialog& window, FlowView& view)
    : QObject(&window), window(window), view(view) {
  pauseItem = make(QString(), {QKeySequence(Qt::Key_Space)});
  pauseItem->setCheckable(true);
  connect(pauseItem, &QAction::toggled, &view, &FlowView::setPaused);
  connect(&view, &FlowView::pausedChanged, pauseItem, &QAction::setChecked);

  stepItem = make(QString(), {QKeySequence(Qt::Key_Period)});
  stepItem->setEnabled(view.isPaused());
  connect(stepItem, &QAction::triggered, &view, [&view] { view.stepOnce(); });
  connect(&view, &FlowView::pausedChanged, stepItem, &QAction::setEnabled);

  restartItem = make(QString(), {QKeySequence(Qt::Key_R)});
  connect(restartItem, &QAction::triggered, &view, &FlowView::restartParticles);

  // Ctrl+= as well: on many layouts "+" needs Shift, "=" is the same key without it.
  zoomInItem = make(
      QString(), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(zoomInItem, &QAction::triggered, this, [this] { stepZoom(1); });
  zoomOutItem = make(QString(), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  connect(zoomOutItem, &QAction::triggered, this, [this] { stepZoom(-1); });
  zoomGroup = new QActionGroup(this);
  for (std::size_t i = 0; i < kLevelCount; ++i) {
    const int percent = FlowView::kZoomLevels[i];
    QList<QKeySequence> keys;
    if (percent == 100) keys.append(QKeySequence(Qt::CTRL | Qt::Key_0));
    QAction* item = make(QString(), keys);
    item->setCheckable(true);
    zoomGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, percent] { this->window.setZoom(percent); });
    zoomItems[i] = item;
  }
  showZoom();
  connect(&view, &FlowView::zoomChanged, this, &ViewActions::showZoom);

  quitItem = make(QString(), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
  connect(quitItem, &QAction::triggered, &window, &QWidget::close);
  retranslate();
}

void ViewActions::retranslate() {
  pauseItem->setText(tr("&Pause"));
  stepItem->setText(tr("&Step one tick"));
  restartItem->setText(tr("&Restart particles"));
  zoomInItem->setText(tr("Zoom &in"));
  zoomOutItem->setText(tr("Zoom &out"));
  for (std::size_t i = 0; i < kLevelCount; ++i)
    zoomItems[i]->setText(tr("%1 %").arg(FlowView::kZoomLevels[i]));
  quitItem->setText(tr("&Quit"));
}

QAction* ViewActions::make(const QString& text, const QList<QKeySequence>& keys) {
  auto* action = new QAction(text, &window);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window.addAction(action);
  return action;
}

void ViewActions::addTo(QMenu& menu) const {
  menu.addSeparator();
  menu.addAction(pauseItem);
  menu.addAction(stepItem);
  menu.addAction(restartItem);
  QMenu* zoom = menu.addMenu(tr("&Zoom"));
  zoom->addAction(zoomInItem);
  zoom->addAction(zoomOutItem);
  zoom->addSeparator();
  for (QAction* item : zoomItems) zoom->addAction(item);
  menu.addSeparator();
  menu.addAction(quitItem);
}

void ViewActions::stepZoom(int direction) {
  const auto level = static_cast<int>(levelOf(window.zoom())) + direction;
  if (level < 0 || level >= static_cast<int>(kLevelCount)) return;
  window.setZoom(FlowView::kZoomLevels[static_cast<std::size_t>(level)]);
}

void ViewActions::showZoom() {
  const std::size_t level = levelOf(window.zoom());
  zoomItems.at(level)->setChecked(true);
  zoomInItem->setEnabled(level + 1 < kLevelCount);
  zoomOutItem->setEnabled(level > 0);
}
