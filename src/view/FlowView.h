// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture: a fixed-size widget that shows the animation's frames.
//
// Every composed frame lands in the screen image and a repaint is asked for;
// paintEvent then only copies that image. A paint the view did not ask for
// (the window was uncovered, say) composes a fresh frame first. A left-button
// drag turns the plate; a plain mouse move asks the window for a probe.
//
// With the picture focused the keyboard turns the plate as well: Right or plus
// (main row or keypad) raises α by 1 degree, so the leading edge rises and the
// plate turns clockwise on screen; Left or minus lowers it. Shift makes the step
// 0.1 degree. Either way the angle stays within 0..75 degrees.

#include <QTimer>
#include <QWidget>

#include "view/FlowAnimation.h"
#include "view/FrameHost.h"
#include "view/PictureSize.h"

class FlowModel;

class FlowView final : public QWidget, public FrameHost {
  Q_OBJECT

 public:
  static constexpr double kKeyStep = 1.0;      // degrees per key press
  static constexpr double kFineKeyStep = 0.1;  // degrees per key press with Shift

  explicit FlowView(FlowModel& model, QWidget* parent = nullptr);

  // The session builder attaches the animation at the widget's size.
  bool isAttached() const { return flowAnimation.isAttached(); }

  FlowAnimation& animation() { return flowAnimation; }
  const QTimer& timer() const { return frameTimer; }

  void present() override;
  void startTimer(int intervalMs) override;
  void stopTimer() override;
  // Synchronous when the window connects with Qt::DirectConnection.
  void requestProbe(int x, int y) override;
  // Turns the plate to `degrees` the way the keys turn it: clamped to 0..75 degrees, redrawn
  // by the animation, announced by plateTurned; nothing at all happens when the clamped angle
  // is the one the plate has, or for a value that is not a number.
  void turnTo(double degrees);

 signals:
  void probeRequested(int x, int y);
  // The plate angle changed by a drag or a key. Emitted only from those input
  // paths, never by the timer, so watching it costs the animation nothing.
  void plateTurned();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  // A click without moving turns the plate as well.
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void forwardMouse(const QMouseEvent& event);
  // Turns the plate by `degrees` (either sign) through the animation, as a
  // drag would; nothing at all happens when the limit leaves the angle as it is.
  void turnBy(double degrees);
  // The one way the keys and turnTo move the plate, to `wanted` radians before the clamp.
  void turnToAngle(double wanted);

  FlowAnimation flowAnimation;
  QTimer frameTimer;
  bool repaintAsked = false;  // present() asked for the coming paint
  bool painting = false;      // inside paintEvent: the paint shows the frame
};
