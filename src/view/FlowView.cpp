#include "view/FlowView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
// The button bits the animation expects: left 1, right 2, middle 16.
int buttonBits(Qt::MouseButtons buttons) {
  int bits = 0;
  if (buttons & Qt::LeftButton) bits |= FlowAnimation::kLeftButton;
  if (buttons & Qt::RightButton) bits |= 2;
  if (buttons & Qt::MiddleButton) bits |= 16;
  return bits;
}
}  // namespace

FlowView::FlowView(FlowModel& model, QWidget* parent)
    : QWidget(parent), flowAnimation(model, *this) {
  setFixedSize(kPictureWidth, kPictureHeight);
  // Every pixel comes from the screen image: no background to erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  frameTimer.setTimerType(Qt::PreciseTimer);
  connect(&frameTimer, &QTimer::timeout, this, [this] { flowAnimation.onTick(); });
}

void FlowView::attach() {
  if (attached) return;
  attached = true;
  flowAnimation.attach(width(), height());
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
  if (attached && !repaintAsked) {
    painting = true;
    flowAnimation.onDrawItem();
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

void FlowView::forwardMouse(const QMouseEvent& event) {
  // Before attach the model has no picture size to turn the plate in.
  if (!attached) return;
  const QPoint at = event.position().toPoint();
  flowAnimation.onMouseMove(buttonBits(event.buttons()), at.x(), at.y());
}
