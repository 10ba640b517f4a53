// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FlowView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/FlowModel.h"

namespace {
// The button bits the animation expects: left 1, right 2, middle 16.
int buttonBits(Qt::MouseButtons buttons) {
  int bits = 0;
  if (buttons & Qt::LeftButton) bits |= FlowAnimation::kLeftButton;
  if (buttons & Qt::RightButton) bits |= 2;
  if (buttons & Qt::MiddleButton) bits |= 16;
  return bits;
}

// +1 for a key that raises α, −1 for one that lowers it, 0 for any other key.
int turnDirection(int key) {
  switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Plus:
      return 1;
    case Qt::Key_Left:
    case Qt::Key_Minus:
      return -1;
    default:
      return 0;
  }
}

// Shift asks for the fine step, except on the main row's plus and minus: many
// layouts need Shift just to type those characters, and a plain "+" must not
// silently become the fine step there.
bool wantsFineStep(const QKeyEvent& event) {
  if (!(event.modifiers() & Qt::ShiftModifier)) return false;
  const bool sign = event.key() == Qt::Key_Plus || event.key() == Qt::Key_Minus;
  return !sign || (event.modifiers() & Qt::KeypadModifier);
}
}  // namespace

FlowView::FlowView(FlowModel& model, QWidget* parent)
    : QWidget(parent), flowAnimation(model, *this) {
  setFixedSize(kPictureWidth, kPictureHeight);
  // Every pixel comes from the screen image: no background to erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // A click (or Tab) gives the picture the keyboard, for turning the plate.
  setFocusPolicy(Qt::StrongFocus);
  frameTimer.setTimerType(Qt::PreciseTimer);
  connect(&frameTimer, &QTimer::timeout, this, [this] { flowAnimation.onTick(); });
}

void FlowView::present() {
  FrameHost::present();
  // A frame composed for the paint in progress is shown by that paint.
  if (painting) return;
  repaintAsked = true;
  update();
}

void FlowView::startTimer(int intervalMs) {
  timerWanted = true;
  frameTimer.setInterval(intervalMs);
  frameTimer.stop();  // a start always restarts the period
  updateTimer();
}

void FlowView::stopTimer() {
  timerWanted = false;
  updateTimer();
}

void FlowView::updateTimer() {
  const bool run = timerWanted && !paused && !offScreen;
  if (!run) {
    frameTimer.stop();
  } else if (!frameTimer.isActive()) {
    frameTimer.start();  // at the interval it had
  }
}

void FlowView::setPaused(bool on) {
  if (paused == on) return;
  paused = on;
  updateTimer();
  emit pausedChanged(paused);
}

bool FlowView::stepOnce() {
  if (!paused || !isAttached()) return false;
  flowAnimation.onTick();
  return true;
}

void FlowView::restartParticles() {
  if (!isAttached()) return;
  flowAnimation.respawnAll();
  redrawIfPaused();
}

void FlowView::redrawIfPaused() {
  if (paused && isAttached()) flowAnimation.compose();
}

void FlowView::setZoom(int percent) {
  if (std::find(std::begin(kZoomLevels), std::end(kZoomLevels), percent) == std::end(kZoomLevels))
    return;
  if (percent == zoomPercent) return;
  zoomPercent = percent;
  setFixedSize(zoomedPictureSize(percent));
  update();
  emit zoomChanged(percent);
}

QPoint FlowView::picturePoint(const QPointF& widgetPosition) const {
  // At 100 % exactly the position the widget reports, rounded as before.
  if (zoomPercent == 100) return widgetPosition.toPoint();
  // Otherwise the picture pixel drawn under that screen pixel.
  const double scale = 100.0 / zoomPercent;
  return {static_cast<int>(std::floor(widgetPosition.x() * scale)),
          static_cast<int>(std::floor(widgetPosition.y() * scale))};
}

void FlowView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  offScreen = false;
  updateTimer();
}

void FlowView::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  offScreen = true;
  updateTimer();
}

void FlowView::requestProbe(int x, int y) {
  emit probeRequested(x, y);
}

void FlowView::paintEvent(QPaintEvent* event) {
  // Paused, an expose shows the frame that is there: the picture stands still.
  if (isAttached() && !repaintAsked && !paused) {
    painting = true;
    flowAnimation.onPaintRequest();
    painting = false;
  }
  repaintAsked = false;
  QPainter painter(this);
  picturePainter.paint(painter, screenImage(), zoomPercent, event->rect());
}

void FlowView::mouseMoveEvent(QMouseEvent* event) {
  forwardMouse(*event);
}

void FlowView::keyPressEvent(QKeyEvent* event) {
  const int direction = turnDirection(event->key());
  if (direction == 0) {
    // Escape, Enter and the rest belong to the window.
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  turnBy(direction * (wantsFineStep(*event) ? kFineKeyStep : kKeyStep));
}

void FlowView::turnBy(double degrees) {
  // Before attach the model has no picture size to turn the plate in.
  if (!isAttached()) return;
  const double angle = flowAnimation.flowModel().angle;
  // Degrees to radians in this order of operations, as the batch tool does it; a negative
  // step gives the very bits of angle − |degrees|·π/180.
  const double wanted = angle + degrees * std::numbers::pi / 180;
  // At a limit the plate stays put, and so does the picture: no redraw, no signal.
  if (std::clamp(wanted, 0.0, FlowModel::kMaxAngle) == angle) return;
  flowAnimation.turnPlate(wanted);
  emit plateTurned();
}

void FlowView::forwardMouse(const QMouseEvent& event) {
  // Before attach the model has no picture size to turn the plate in.
  if (!isAttached()) return;
  const QPoint at = picturePoint(event.position());
  const double angle = flowAnimation.flowModel().angle;
  flowAnimation.onMouseMove(buttonBits(event.buttons()), at.x(), at.y());
  if (flowAnimation.flowModel().angle != angle) emit plateTurned();
}
