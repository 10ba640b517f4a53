// SPDX-License-Identifier: GPL-3.0-or-later
// The charts window beside the picture: it opens with F4, follows keys and free-stream changes
// with one redraw per pass of the event loop and none while hidden or on the timer's tick, and
// a click or drag on a chart turns the plate exactly as the keys and --angle do.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <numbers>

#include "chart/LoadsChart.h"
#include "chart/ThetaBetaChart.h"
#include "model/FlowModel.h"
#include "ui/AngleChartView.h"
#include "ui/ChartsWindow.h"
#include "ui/MainDialog.h"
#include "ui/NumberField.h"
#include "ui/TheoryWindow.h"

namespace {

class ChartsWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window.field(FieldId::V1), Qt::Key_F4);
    ASSERT_NE(window.chartsWindow(), nullptr);
    ASSERT_TRUE(charts().isVisible());
    QApplication::processEvents();
    backToTheMainWindow();
  }
  // As a student clicks into it to go on.
  void backToTheMainWindow() {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  ChartsWindow& charts() { return *window.chartsWindow(); }
  FlowView& view() { return window.flowView(); }
  double alphaDegrees() const { return model.angle * 180 / std::numbers::pi; }
  // Where a chart value lies in its view, in the view's viewport coordinates.
  static QPoint at(AngleChartView& pane, double x, double y) {
    QChart& chart = *pane.chart();
    return pane.mapFromScene(chart.mapToScene(chart.mapToPosition(QPointF(x, y))));
  }

  FlowModel model;
  MainDialog window{model};
};

TEST_F(ChartsWindowTest, OpensNonModallyFromF4AndTheMenuItem) {
  EXPECT_EQ(charts().windowTitle(), QStringLiteral("Charts"));
  EXPECT_FALSE(charts().isModal());
  EXPECT_EQ(window.chartsAction()->text(), QStringLiteral("&Charts..."));
  EXPECT_EQ(window.chartsAction()->shortcut(), QKeySequence(Qt::Key_F4));
  EXPECT_TRUE(view().timer().isActive());
}

TEST_F(ChartsWindowTest, FollowsThePlateAndTheFreeStream) {
  const struct {
    const char* velocity;
    double alphaDeg;
    bool detached;
  } cases[] = {
      {"450", 5.0, false},  // M₁ 1.336: θmax 7.65°
      {"450", 10.0, true},
      {"900", 10.0, false},  // M₁ 2.672: θmax 31.5°
      {"900", 40.0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.velocity) + " m/s at " + std::to_string(c.alphaDeg) + "°");
    NumberField& v1 = window.field(FieldId::V1);
    v1.setFocus();
    v1.selectAll();
    QTest::keyClicks(&v1, QString::fromLatin1(c.velocity));
    QTest::keyClick(&v1, Qt::Key_Tab);
    view().turnTo(c.alphaDeg);
    QApplication::processEvents();

    const ThetaBetaChart& chart = charts().thetaBetaChart();
    EXPECT_EQ(chart.operatingColour(),
              c.detached ? ThetaBetaChart::kDetachedColour : ThetaBetaChart::kAttachedColour);
    EXPECT_EQ(chart.title().contains(QStringLiteral("detached")), c.detached);
    ASSERT_EQ(chart.operatingPoint().size(), 1u);
    const double theta = chart.operatingPoint().front().x();
    if (c.detached) {
      EXPECT_DOUBLE_EQ(theta, *charts().series().thetaBeta.maxDeflection);
    } else {
      EXPECT_DOUBLE_EQ(theta, c.alphaDeg);
    }
    EXPECT_DOUBLE_EQ(chart.modelPoint().front().x(), c.alphaDeg);
    EXPECT_DOUBLE_EQ(charts().loadsChart().alphaLine(), c.alphaDeg);
  }
}

TEST_F(ChartsWindowTest, RedrawsOncePerChangeNeverOnTheTickNorWhileHidden) {
  int redraws = charts().refreshCount();
  view().setFocus();
  for (int i = 0; i < 5; ++i) QTest::keyClick(&view(), Qt::Key_Right);
  QApplication::processEvents();
  EXPECT_EQ(charts().refreshCount(), redraws + 1);
  redraws = charts().refreshCount();

  QTest::qWait(150);  // several ticks of the animation
  EXPECT_EQ(charts().refreshCount(), redraws);

  charts().close();
  view().turnTo(3.0);
  QApplication::processEvents();
  EXPECT_EQ(charts().refreshCount(), redraws);
  backToTheMainWindow();
  QTest::keyClick(&window.field(FieldId::V1), Qt::Key_F4);
  QApplication::processEvents();
  EXPECT_EQ(charts().refreshCount(), redraws + 1);
  EXPECT_DOUBLE_EQ(charts().loadsChart().alphaLine(), 3.0);
}

TEST_F(ChartsWindowTest, AClickOrDragOnAChartTurnsThePlateAsTheKeysDo) {
  // As wide as on a desktop: on the test's small screen a pixel is more than 0.1°.
  charts().resize(1150, 500);
  QApplication::processEvents();
  QSignalSpy turned(&view(), &FlowView::plateTurned);
  AngleChartView& loads = charts().loadsView();
  QTest::mouseClick(loads.viewport(), Qt::LeftButton, {}, at(loads, 20.0, 0.1));
  EXPECT_EQ(model.angle, 20.0 * std::numbers::pi / 180);  // the bits --angle 20 gives
  EXPECT_EQ(turned.count(), 1);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(charts().loadsChart().alphaLine(), 20.0);

  // A drag beyond the axis holds at the limit, as the keys do.
  QTest::mousePress(loads.viewport(), Qt::LeftButton, {}, at(loads, 30.0, 0.1));
  QTest::mouseMove(loads.viewport(), at(loads, 100.0, 0.1));
  QTest::mouseRelease(loads.viewport(), Qt::LeftButton, {}, at(loads, 100.0, 0.1));
  EXPECT_EQ(model.angle, FlowModel::kMaxAngle);

  // The θ-β-M chart's horizontal axis is α as well; a click outside the plot does nothing.
  AngleChartView& thetaBeta = charts().thetaBetaView();
  QTest::mouseClick(thetaBeta.viewport(), Qt::LeftButton, {}, at(thetaBeta, 8.0, 45.0));
  // Within the pixel the click landed on (its θ axis spans 50° over the plot's width), then
  // rounded to a tenth of a degree.
  const double perPixel = 50.0 / thetaBeta.chart()->plotArea().width();
  EXPECT_NEAR(alphaDegrees(), 8.0, perPixel + 0.05);
  const int before = turned.count();
  QTest::mouseClick(thetaBeta.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(turned.count(), before);
}

TEST_F(ChartsWindowTest, TheMainWindowsKeysWorkThereAndArrowsStepAlpha) {
  view().turnTo(10.0);
  AngleChartView& loads = charts().loadsView();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    double degrees;
  } steps[] = {{Qt::Key_Right, {}, 11.0}, {Qt::Key_Left, Qt::ShiftModifier, 10.9}};
  for (const auto& s : steps) {
    QTest::keyClick(&loads, s.key, s.modifiers);
    EXPECT_NEAR(alphaDegrees(), s.degrees, 1e-9);
  }
  // Space pauses and F2 opens the theory, as in the main window.
  QTest::keyClick(&loads, Qt::Key_Space);
  EXPECT_TRUE(view().isPaused());
  QTest::keyClick(&loads, Qt::Key_F2);
  ASSERT_NE(window.theoryWindow(), nullptr);
  EXPECT_TRUE(window.theoryWindow()->isVisible());
}

}  // namespace
