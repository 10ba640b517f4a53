// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program: one application object, the one flow model and the window
// that shows it. The model is made before the window and outlives it.
// Nothing is read from or written to disk; the options are read before this object is made
// (ui/WindowCommandLine.h). The window speaks the language the options ask for, else the
// system's, until the menu switches it (ui/Language.h).

#include <QApplication>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <string_view>

#include "model/FlowModel.h"
#include "ui/MainDialog.h"
#include "ui/WindowCommandLine.h"
#include "ui/WindowMemory.h"

// The desktop entry's and the metainfo's name, without ".desktop".
inline constexpr auto kDesktopId = "org.example.zerkon";

// The program's icon: the PNG sizes from the resources, and the SVG drawing where an SVG
// reader is installed.
QIcon applicationIcon();

// While the application object connects to the display, Qt's messages are held back. When
// no display can be reached Qt gives up with a fatal message: the program then says why in
// one line and exits with status 1 instead of aborting.
class DisplayConnection {
 public:
  static constexpr int kNoDisplay = 1;  // exit status

  DisplayConnection();
  DisplayConnection(const DisplayConnection&) = delete;
  DisplayConnection& operator=(const DisplayConnection&) = delete;
  // Connected: Qt's held messages are passed on as usual.
  void established();
};

// Why no display could be reached, for the QT_QPA_PLATFORM and DISPLAY the program started with.
std::string noDisplayMessage(std::string_view platform, std::string_view display);

class FlowApp {
 public:
  // Only the program name is handed on to Qt.
  // With `remember` the language, zoom and window places of the last run come back, and
  // this run's are kept for the next (ui/WindowMemory.h).
  FlowApp(int argc, char** argv, Language language = Language::System, bool remember = false);

  // Shows the window; returns when it is closed.
  int run();

  MainDialog& window() { return dialog; }
  // What --language asked for; System when the locale decides.
  Language language() const { return chosenLanguage; }

 private:
  std::string programName;
  std::array<char*, 2> arguments{programName.data(), nullptr};
  int argumentCount = 1;
  Language chosenLanguage;
  WindowMemory memory;
  DisplayConnection display;  // before the application object, which connects
  QApplication application{argumentCount, arguments.data()};
  FlowModel model;
  MainDialog dialog{model};
  int startZoom = 100;  // per cent
};
