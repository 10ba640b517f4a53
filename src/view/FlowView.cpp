// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FlowView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
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
  lastProbe = QPoint(x, y);
  emit probeRequested(x, y);
}

void FlowView::moveProbeBy(int dx, int dy) {
  if (!isAttached()) return;
  // In picture pixels, whatever the zoom.
  const FlowModel& model = flowAnimation.flowModel();
  const QPoint from =
      probingByKeys && lastProbe ? *lastProbe : QPoint(model.viewWidth / 2, model.viewHeight / 2);
  const QPoint to(std::clamp(from.x() + dx, 0, model.viewWidth - 1),
                  std::clamp(from.y() + dy, 0, model.viewHeight - 1));
  probingByKeys = true;
  requestProbe(to.x(), to.y());
  repaintMarker();
}

void FlowView::repaintMarker() {
  // Only the crosshair changed: the paint shows the frame that is there, composing none
  // (which would step every tracer, even with the animation at rest).
  repaintAsked = true;
  update();
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
  if (probingByKeys) {
    // The crosshair is drawn in picture pixels, at the picture's zoom.
    painter.scale(zoomPercent / 100.0, zoomPercent / 100.0);
    drawProbeMarker(painter);
  }
}

void FlowView::drawProbeMarker(QPainter& painter) const {
  if (!lastProbe) return;
  // A cross with an open centre, so the probed pixel itself stays visible; a white halo keeps
  // it readable over the tracers and the black fronts.
  constexpr int kArm = 7;  // pixels from the point to the end of an arm
  constexpr int kGap = 2;  // pixels left open round the point
  const QPoint p = *lastProbe;
  const QLine arms[] = {{p.x() - kArm, p.y(), p.x() - kGap, p.y()},
                        {p.x() + kGap, p.y(), p.x() + kArm, p.y()},
                        {p.x(), p.y() - kArm, p.x(), p.y() - kGap},
                        {p.x(), p.y() + kGap, p.x(), p.y() + kArm}};
  painter.setPen(QPen(Qt::white, 3));
  painter.drawLines(arms, 4);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLines(arms, 4);
}

void FlowView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (probingByKeys) {
    // A move the platform makes up where the mouse already was (a menu closing, say) must
    // not take the probe back from the keys.
    if (at == mouseAt) return;
    probingByKeys = false;
    repaintMarker();
  }
  mouseAt = at;
  forwardMouse(*event);
}

void FlowView::keyPressEvent(QKeyEvent* event) {
  // Ctrl with an arrow moves the probe (the window's shortcuts), it never turns the plate.
  const bool control = event->modifiers() & Qt::ControlModifier;
  const int direction = control ? 0 : turnDirection(event->key());
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
  // The probe fields would otherwise show the state of an angle no longer set.
  if (lastProbe) requestProbe(lastProbe->x(), lastProbe->y());
}

void FlowView::forwardMouse(const QMouseEvent& event) {
  // Before attach the model has no picture size to turn the plate in.
  if (!isAttached()) return;
  const QPoint at = picturePoint(event.position());
  const double angle = flowAnimation.flowModel().angle;
  flowAnimation.onMouseMove(buttonBits(event.buttons()), at.x(), at.y());
  if (flowAnimation.flowModel().angle != angle) emit plateTurned();
}
