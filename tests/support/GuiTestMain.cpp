// SPDX-License-Identifier: GPL-3.0-or-later
// Text needs a QGuiApplication; the offscreen platform lets the tests (and the tool some of
// them start, which inherits the environment) run without a display.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
