// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program: one application object, the one flow model and the window
// that shows it. The model is made before the window and outlives it.
// Nothing is read from or written to disk. The window speaks the system's language until
// installLanguage (ui/Language.h) is given another.

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <array>
#include <string>

#include "model/FlowModel.h"
#include "ui/MainDialog.h"

// The program's icon: the SVG drawing from the resources, or the same
// drawing painted here when no SVG reader is installed.
QIcon applicationIcon();
// The icon's drawing painted directly, `size` pixels square.
QPixmap drawnIcon(int size);

class FlowApp {
 public:
  // Only the program name is handed on to Qt.
  FlowApp(int argc, char** argv);

  // Shows the window; returns when it is closed.
  int run();

  MainDialog& window() { return dialog; }

 private:
  std::string programName;
  std::array<char*, 2> arguments{programName.data(), nullptr};
  int argumentCount = 1;
  QApplication application{argumentCount, arguments.data()};
  FlowModel model;
  MainDialog dialog{model};
};
