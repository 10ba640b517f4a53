// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture: a fixed-size widget that shows the animation's frames.
//
// Every composed frame lands in the screen image and a repaint is asked for;
// paintEvent then only copies that image. A paint the view did not ask for
// (the window was uncovered, say) composes a fresh frame first. Moving the
// mouse with the left button held turns the plate; a press alone only gives
// the picture the keyboard; a plain mouse move asks the window for a probe.
//
// The timer runs only while the animation wants it, the user has not paused
// it and the widget is on screen: a hidden or minimised window costs nothing
// and goes on where it stopped. While paused, paints only show the last frame.
//
// The zoom scales the picture on screen only: the model keeps its picture
// size, and mouse positions are mapped back to picture pixels.
//
// With the picture focused the keyboard turns the plate as well: Right or plus
// (main row or keypad) raises α by 1 degree, so the leading edge rises and the
// plate turns clockwise on screen; Left or minus lowers it. Shift makes the step
// 0.1 degree. Either way the angle stays within 0..75 degrees. After such a turn the last
// probed point is probed again, so the probe never shows an angle that is no longer set.
//
// The probe can follow the keyboard as well (moveProbeBy, which the window binds to
// Ctrl+arrows): a small crosshair marks the point until the mouse really moves.

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "view/FlowAnimation.h"
#include "view/FrameHost.h"
#include "view/PicturePaint.h"
#include "view/PictureSize.h"

class FlowModel;

class FlowView final : public QWidget, public FrameHost {
  Q_OBJECT

 public:
  static constexpr double kKeyStep = 1.0;      // degrees per key press
  static constexpr double kFineKeyStep = 0.1;  // degrees per key press with Shift

  static constexpr int kZoomLevels[] = {100, 150, 200};  // per cent

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

  // Moves the probe by (dx, dy) pixels and probes there: from the picture's centre when
  // keyboard probing starts, never outside the picture.
  void moveProbeBy(int dx, int dy);
  bool keyboardProbing() const { return probingByKeys; }
  // The last point probed, by the mouse or the keys; none before the first probe.
  std::optional<QPoint> probedPoint() const { return lastProbe; }
  void setPaused(bool on);
  bool isPaused() const { return paused; }
  // Exactly one timer tick, only while paused; false otherwise.
  bool stepOnce();
  // Every tracer and bubble enters anew; while paused the picture shows it at once.
  void restartParticles();
  // A frame at once while paused, where a running timer would show a change
  // (a retrace, say) within a tick anyway.
  void redrawIfPaused();

  // One of kZoomLevels; any other value is ignored.
  void setZoom(int percent);
  int zoom() const { return zoomPercent; }
  // The picture pixel under a position in the widget, at the current zoom.
  QPoint picturePoint(const QPointF& widgetPosition) const;

 signals:
  void probeRequested(int x, int y);
  // The plate angle changed by a drag or a key. Emitted only from those input
  // paths, never by the timer, so watching it costs the animation nothing.
  void plateTurned();
  void pausedChanged(bool paused);
  void zoomChanged(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void forwardMouse(const QMouseEvent& event);
  // Turns the plate by `degrees` (either sign) through the animation, as a
  // drag would; nothing at all happens when the limit leaves the angle as it is.
  void turnBy(double degrees);
  void drawProbeMarker(QPainter& painter) const;
  void repaintMarker();
  // Starts or stops the timer as the three conditions say.
  void updateTimer();
  // The one way the keys and turnTo move the plate, to `wanted` radians before the clamp.
  void turnToAngle(double wanted);

  FlowAnimation flowAnimation;
  QTimer frameTimer;
  PicturePainter picturePainter;
  bool repaintAsked = false;  // present() asked for the coming paint
  bool painting = false;      // inside paintEvent: the paint shows the frame

  // The probe, by the mouse or the keys.
  std::optional<QPoint> lastProbe;  // picture pixels
  bool probingByKeys = false;       // the crosshair is shown
  QPoint mouseAt;                   // where the last mouse event was, widget pixels
  bool timerWanted = false;         // the animation started its timer and did not stop it
  bool paused = false;              // the user paused the animation
  bool offScreen = false;           // hidden or minimised since it was last shown
  int zoomPercent = 100;            // per cent of the picture size on screen
};
