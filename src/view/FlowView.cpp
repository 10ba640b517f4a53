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
  frameTimer.start(intervalMs);
}

void FlowView::stopTimer() {
  frameTimer.stop();
}

void FlowView::requestProbe(int x, int y) {
  emit probeRequested(x, y);
}

void FlowView::paintEvent(QPaintEvent* event) {
  if (isAttached() && !repaintAsked) {
    painting = true;
    flowAnimation.onPaintRequest();
    painting = false;
  }
  repaintAsked = false;
  QPainter painter(this);
  const QImage& image = screenImage();
  if (image.isNull()) {
    painter.fillRect(event->rect(), Qt::white);
  } else {
    painter.drawImage(event->rect(), image, event->rect());
  }
}

void FlowView::mouseMoveEvent(QMouseEvent* event) {
  forwardMouse(*event);
}

void FlowView::mousePressEvent(QMouseEvent* event) {
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
  // Degrees to radians in this order of operations, as the batch tool does it; a negative
  // step gives the very bits of angle − |degrees|·π/180.
  turnToAngle(flowAnimation.flowModel().angle + degrees * std::numbers::pi / 180);
}

void FlowView::turnTo(double degrees) {
  // DEG·π/180 in this order, as the batch tool's angle option.
  if (std::isfinite(degrees)) turnToAngle(degrees * std::numbers::pi / 180);
}

void FlowView::turnToAngle(double wanted) {
  // Before attach the model has no picture size to turn the plate in.
  if (!isAttached()) return;
  // At a limit the plate stays put, and so does the picture: no redraw, no signal.
  if (std::clamp(wanted, 0.0, FlowModel::kMaxAngle) == flowAnimation.flowModel().angle) return;
  flowAnimation.turnPlate(wanted);
  emit plateTurned();
}

void FlowView::forwardMouse(const QMouseEvent& event) {
  // Before attach the model has no picture size to turn the plate in.
  if (!isAttached()) return;
  const QPoint at = event.position().toPoint();
  const double angle = flowAnimation.flowModel().angle;
  flowAnimation.onMouseMove(buttonBits(event.buttons()), at.x(), at.y());
  if (flowAnimation.flowModel().angle != angle) emit plateTurned();
}
