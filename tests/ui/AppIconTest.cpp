// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: the SVG and the drawing painted in code must agree,
// and the window has an icon whether or not the SVG reader is installed.
#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>

#include "ui/FlowApp.h"

namespace {

constexpr int kSize = 64;

// Points on the plate, the shock, a fan line and the background, in the
// drawing's 64 x 64 coordinates.
const QPoint kPlate(33, 31);
const QPoint kShock(31, 40);
const QPoint kBackground(52, 52);
const QPoint kOutside(0, 0);

TEST(AppIcon, ThePaintedDrawingShowsPlateShockAndBackground) {
  const QImage image = drawnIcon(kSize).toImage();
  ASSERT_EQ(image.size(), QSize(kSize, kSize));
  const QColor plate = image.pixelColor(kPlate);
  EXPECT_GT(plate.blue(), 200);
  EXPECT_LT(plate.red(), 60);
  EXPECT_GT(image.pixelColor(kShock).red(), 120);
  EXPECT_EQ(image.pixelColor(kBackground), QColor(0xee, 0xf4, 0xfb));
  EXPECT_EQ(image.pixelColor(kOutside).alpha(), 0);
}

TEST(AppIcon, TheWindowIconAlwaysRendersAndMatchesTheDrawing) {
  const QImage shown = applicationIcon().pixmap(kSize, kSize).toImage();
  ASSERT_FALSE(shown.isNull());
  const QImage drawn = drawnIcon(kSize).toImage();
  for (const QPoint p : {kPlate, kBackground}) {
    const QColor a = shown.pixelColor(p);
    const QColor b = drawn.pixelColor(p);
    EXPECT_NEAR(a.red(), b.red(), 40) << p.x() << "," << p.y();
    EXPECT_NEAR(a.green(), b.green(), 40) << p.x() << "," << p.y();
    EXPECT_NEAR(a.blue(), b.blue(), 40) << p.x() << "," << p.y();
  }
}

TEST(AppIcon, TheSvgIsInTheResources) {
  applicationIcon();  // registers the resources
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/zerkon.svg")));
}

}  // namespace
