// SPDX-License-Identifier: GPL-3.0-or-later
// The picture widget: frames, exposes, the timer and the mouse.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "model/FlowModel.h"
#include "view/FlowView.h"

namespace {

void attach(FlowView& view) {
  view.animation().attach(view.width(), view.height());
}

double firstTracerX(FlowView& view) {
  return view.animation().tracers().front().x;
}

class FlowViewTest : public testing::Test {
 protected:
  void SetUp() override {
    attach(view);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    // Let the first show's paints pass before anything is counted.
    view.stopTimer();
    QCoreApplication::processEvents();
  }

  FlowModel model;
  FlowView view{model};
};

TEST_F(FlowViewTest, HasThePictureSizeAndStartsTheTimerAtAttach) {
  EXPECT_EQ(view.size(), QSize(kPictureWidth, kPictureHeight));
  EXPECT_EQ(view.screenImage().size(), view.size());
  EXPECT_EQ(model.viewWidth, kPictureWidth);

  FlowModel other;
  FlowView fresh(other);
  EXPECT_FALSE(fresh.timer().isActive());
  attach(fresh);
  EXPECT_TRUE(fresh.timer().isActive());
  EXPECT_EQ(fresh.timer().interval(), FlowAnimation::kStartInterval);
  EXPECT_EQ(fresh.timer().timerType(), Qt::PreciseTimer);
  // A second attach would respawn every tracer: it is ignored.
  const double x = fresh.animation().tracers()[7].x;
  fresh.animation().onTick();
  const double moved = fresh.animation().tracers()[7].x;
  ASSERT_NE(moved, x);
  attach(fresh);
  EXPECT_EQ(fresh.animation().tracers()[7].x, moved);
}

TEST_F(FlowViewTest, TimerTicksComposeFramesAndStopWhenDisabled) {
  view.animation().setTimerEnabled(true);
  EXPECT_EQ(view.timer().interval(), FlowAnimation::kRestartInterval);
  const double x = firstTracerX(view);
  QTest::qWait(120);
  EXPECT_NE(firstTracerX(view), x);

  view.animation().setTimerEnabled(false);
  EXPECT_FALSE(view.timer().isActive());
  const double stopped = firstTracerX(view);
  QTest::qWait(60);
  EXPECT_EQ(firstTracerX(view), stopped);
}

TEST_F(FlowViewTest, AnExposeComposesAFrameButItsOwnRepaintDoesNot) {
  // A paint nobody asked for through present(): the tracers take a step.
  double x = firstTracerX(view);
  view.repaint();
  EXPECT_NE(firstTracerX(view), x);

  // A frame that was just presented is only copied.
  view.animation().compose();
  x = firstTracerX(view);
  view.repaint();
  EXPECT_EQ(firstTracerX(view), x);
  // ... and the next unasked paint composes again.
  view.repaint();
  EXPECT_NE(firstTracerX(view), x);
}

TEST_F(FlowViewTest, TheWidgetShowsTheScreenImage) {
  view.animation().compose();
  view.repaint();
  const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, view.screenImage());
}

TEST_F(FlowViewTest, AtTwiceTheSizeEveryPicturePixelIsASquareOfFour) {
  view.setZoom(200);
  const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage& frame = view.screenImage();  // what that paint composed
  ASSERT_EQ(shown.size(), QSize(2 * kPictureWidth, 2 * kPictureHeight));
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      ASSERT_EQ(shown.pixel(x, y), frame.pixel(view.picturePoint(QPointF(x, y)))) << x << ", " << y;
  EXPECT_EQ(view.picturePoint(QPointF(3, 5)), QPoint(1, 2));
}

TEST_F(FlowViewTest, OnlyAMoveWithTheLeftButtonHeldTurnsThePlate) {
  const double angle = model.angle;
  const QPoint centre(kPictureWidth / 2, kPictureHeight / 2);
  QSignalSpy probes(&view, &FlowView::probeRequested);
  QTest::mouseClick(&view, Qt::LeftButton, {}, centre + QPoint(100, 100));
  QTest::mousePress(&view, Qt::RightButton, {}, centre + QPoint(100, 0));
  QTest::mouseRelease(&view, Qt::RightButton, {}, centre + QPoint(100, 0));
  QTest::mousePress(&view, Qt::MiddleButton, {}, centre + QPoint(100, 10));
  QTest::mouseMove(&view, centre + QPoint(100, 20));
  QTest::mouseRelease(&view, Qt::MiddleButton, {}, centre + QPoint(100, 20));
  EXPECT_EQ(model.angle, angle);
  // Presses neither turn nor probe; the middle-button move probes.
  EXPECT_EQ(probes.count(), 1);
}

TEST(FlowViewBeforeAttach, IgnoresTheMouseAndPaintsWhite) {
  FlowModel model;
  FlowView view(model);
  QSignalSpy probes(&view, &FlowView::probeRequested);
  const double angle = model.angle;
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(500, 400));
  QTest::mouseMove(&view, QPoint(510, 410));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(510, 410));
  EXPECT_EQ(model.angle, angle);
  EXPECT_EQ(probes.count(), 0);
  const QImage shown = view.grab().toImage();
  EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::white));
}

}  // namespace
