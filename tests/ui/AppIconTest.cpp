// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: every installed size is in the resources and shows the drawing, so the
// window has its icon whether or not the SVG reader is installed.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "ui/FlowApp.h"

namespace {

TEST(AppIcon, EverySizeShowsPlateAndBackground) {
  const QIcon icon = applicationIcon();
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QImage image = QImage(QStringLiteral(":/icons/zerkon-%1.png").arg(size));
    ASSERT_EQ(image.size(), QSize(size, size)) << size;
    // In the drawing's 64 x 64 units: the middle of the plate, the background, the corner.
    const auto at = [size](double x, double y) {
      return QPoint(static_cast<int>(x * size / 64.0), static_cast<int>(y * size / 64.0));
    };
    const QColor plate = image.pixelColor(at(33.5, 31.5));
    EXPECT_GT(plate.blue(), 150) << size;
    EXPECT_LT(plate.red(), 100) << size;
    EXPECT_GT(image.pixelColor(at(52, 52)).lightness(), 220) << size;
    EXPECT_EQ(image.pixelColor(at(0, 0)).alpha(), 0) << size;
    EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
  }
}

}  // namespace
