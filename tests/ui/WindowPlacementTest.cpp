// SPDX-License-Identifier: GPL-3.0-or-later
// Where the theory window goes beside the main window, on screens of several sizes.
#include <gtest/gtest.h>

#include <QTest>

#include "model/FlowModel.h"
#include "ui/MainDialog.h"
#include "ui/TheoryWindow.h"
#include "ui/WindowPlacement.h"

namespace {

TEST(WindowPlacement, RightThenLeftThenBelowNeverOverTheWindow) {
  const QRect main(300, 100, 700, 700);
  const QSize theory(400, 500);
  const struct {
    const char* what;
    QRect screen;
    QPoint expected;
  } cases[] = {
      {"room on the right", QRect(0, 0, 1920, 1080), QPoint(1008, 100)},
      {"room only on the left", QRect(-200, 0, 1250, 1080), QPoint(-108, 100)},
      {"room only below", QRect(250, 0, 800, 1500), QPoint(300, 808)},
      // No room anywhere: the side that shows most of it, still beside the window.
      {"no room", QRect(0, 0, 1200, 900), QPoint(-108, 100)},
  };
  for (const auto& c : cases) {
    const QPoint at = besidePosition(main, theory, c.screen, 8);
    EXPECT_EQ(at, c.expected) << c.what;
    EXPECT_FALSE(QRect(at, theory).intersects(main)) << c.what;
  }
}

TEST(WindowPlacement, TheTheoryWindowOpensBesideTheMainWindowAtAnyZoom) {
  FlowModel model;
  MainDialog window(model);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.showTheory();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.theoryWindow()));
  EXPECT_FALSE(window.theoryWindow()->frameGeometry().intersects(window.frameGeometry()));
  window.setZoom(200);
  EXPECT_FALSE(window.theoryWindow()->frameGeometry().intersects(window.frameGeometry()));
}

}  // namespace
