// SPDX-License-Identifier: GPL-3.0-or-later
// Where the theory, charts and legend windows go beside the main window, on screens of several
// sizes.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <vector>

#include "model/FlowModel.h"
#include "ui/ChartsWindow.h"
#include "ui/MainDialog.h"
#include "ui/TheoryWindow.h"
#include "ui/WindowPlacement.h"

namespace {

TEST(WindowPlacement, BesideWhereThereIsRoomElseOnTheScreenAndOffThePicture) {
  // A window at 100 % with its picture on top, and one at 150 %.
  const QRect main(300, 100, 700, 700);
  const QRect picture(310, 130, 680, 470);
  const QRect big(280, 60, 1042, 1073);
  const QRect bigPicture(290, 90, 1008, 698);
  const QRect charts(1008, 100, 600, 500);
  const struct {
    const char* what;
    QRect main, picture, screen;
    QSize size;
    std::vector<QRect> others;
    QPoint expected;
  } cases[] = {
      {"room on the right", main, picture, {0, 0, 1920, 1080}, {400, 500}, {}, {1008, 100}},
      {"room only on the left", main, picture, {-200, 0, 1250, 1080}, {400, 500}, {}, {-108, 100}},
      {"room only below", main, picture, {250, 0, 800, 1500}, {400, 500}, {}, {300, 808}},
      {"room only above", main, picture, {250, -600, 800, 1450}, {400, 500}, {}, {300, -408}},
      {"the right taken by the charts",
       main,
       picture,
       {0, 0, 1920, 1500},
       {400, 500},
       {charts},
       {300, 808}},
      // No side has room: pushed onto the screen where it keeps the picture clear.
      {"no room, the right would cover the picture",
       main,
       picture,
       {0, 0, 1250, 900},
       {300, 500},
       {},
       {0, 100}},
      {"no room, the right only narrows the gap",
       main,
       picture,
       {0, 0, 1300, 900},
       {300, 500},
       {},
       {1000, 100}},
      // The theory window once opened 231 pixels past the right edge here; now it takes the
      // corner that covers least of the picture.
      {"150 % on 1600 × 1200", big, bigPicture, {0, 0, 1600, 1200}, {420, 640}, {}, {1180, 560}},
  };
  for (const auto& c : cases) {
    const QPoint at = besidePosition(c.main, c.picture, c.size, c.screen, 8, c.others);
    EXPECT_EQ(at, c.expected) << c.what;
    EXPECT_TRUE(c.screen.contains(QRect(at, c.size))) << c.what;
  }
}

TEST(WindowPlacement, TheSecondWindowsStayOnTheScreenAtAnyZoom) {
  FlowModel model;
  MainDialog window(model);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.showTheory();
  window.showCharts();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.chartsWindow()));
  const QRect screen = window.screen()->availableGeometry();
  for (const int zoom : {100, 200}) {
    window.setZoom(zoom);
    for (const QWidget* other : {static_cast<QWidget*>(window.theoryWindow()),
                                 static_cast<QWidget*>(window.chartsWindow())})
      EXPECT_TRUE(screen.contains(other->frameGeometry()))
          << zoom << " % " << other->windowTitle().toStdString();
  }
}

}  // namespace
