// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FlowApp.h"

#include <QByteArray>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/Version.h"

#include "ui/Language.h"

namespace {
constexpr auto kSvgResource = ":/icons/zerkon.svg";
constexpr std::array kPngSizes{16, 32, 48, 64, 128, 256};  // pixels, as installed

std::string nameFrom(int argc, char** argv) {
  if (argc > 0 && argv != nullptr && argv[0] != nullptr && argv[0][0] != '\0') return argv[0];
  return "zerkon";
}

// The display connection's state: one connection per process, and Qt's message handler is a
// plain function.
struct HeldMessage {
  QtMsgType type;
  QString text;
};
bool connecting = false;
std::string platformAsked;
std::string displayAsked;
std::vector<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;

bool fatalByEnvironment(QtMsgType type) {
  const bool warnings = qEnvironmentVariableIsSet("QT_FATAL_WARNINGS");
  return (type == QtWarningMsg && warnings) ||
         (type == QtCriticalMsg && (warnings || qEnvironmentVariableIsSet("QT_FATAL_CRITICALS")));
}

void releaseHeld() {
  connecting = false;
  qInstallMessageHandler(previousHandler);
  for (const HeldMessage& m : std::exchange(held, {})) {
    previousHandler(m.type, QMessageLogContext(), m.text);
  }
}

void holdWhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (!connecting) {
    previousHandler(type, context, text);
    return;
  }
  if (type == QtFatalMsg) {
    // The only fatal message while the application object is made: no platform could start.
    std::fprintf(stderr, "zerkon: %s\n", noDisplayMessage(platformAsked, displayAsked).c_str());
    std::fflush(stderr);
    std::_Exit(DisplayConnection::kNoDisplay);
  }
  if (fatalByEnvironment(type)) {
    // Qt aborts after this message, as the user asked: let everything be seen first.
    releaseHeld();
    previousHandler(type, context, text);
    return;
  }
  held.push_back({type, text});
}

}  // namespace

// Outside any namespace: the resource initialiser is declared at file scope.
static void loadIconResource() {
  Q_INIT_RESOURCE(zerkon);
}

QIcon applicationIcon() {
  loadIconResource();
  QIcon icon;
  for (const int size : kPngSizes)
    icon.addFile(QStringLiteral(":/icons/zerkon-%1.png").arg(size), QSize(size, size));
  // Without the SVG plugin the scalable drawing would render nothing; the PNGs serve then.
  const QIcon scalable(QString::fromLatin1(kSvgResource));
  if (!scalable.pixmap(64, 64).isNull()) icon.addFile(QString::fromLatin1(kSvgResource));
  return icon;
}

std::string noDisplayMessage(std::string_view platform, std::string_view display) {
  const std::string_view name = platform.substr(0, platform.find(':'));
  if (!name.empty() && name != "xcb")
    return "cannot connect to the display: the platform " + quotedArgument(name) +
           " is not available";
  if (display.empty()) return "cannot connect to the display: DISPLAY is not set";
  return "cannot connect to the display " + quotedArgument(display);
}

DisplayConnection::DisplayConnection() {
  // Read now: Qt consumes the platform variable while it starts.
  platformAsked = qgetenv("QT_QPA_PLATFORM").toStdString();
  displayAsked = qgetenv("DISPLAY").toStdString();
  connecting = true;
  previousHandler = qInstallMessageHandler(holdWhileConnecting);
}

void DisplayConnection::established() {
  if (connecting) releaseHeld();
}

FlowApp::FlowApp(int argc, char** argv, Language language, bool remember)
    : programName(nameFrom(argc, argv)), chosenLanguage(language), memory(remember) {
  display.established();
  QApplication::setApplicationName(QStringLiteral("zerkon"));
  QApplication::setApplicationVersion(QString::fromLatin1(kVersion.data(), kVersion.size()));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  QApplication::setWindowIcon(applicationIcon());
  // The window was built in English; it retranslates itself into the language asked for on
  // the command line, else the one last used, else the system's.
  const RememberedWindows last = memory.load();
  installLanguage(chosenLanguage != Language::System ? chosenLanguage
                                                     : last.language.value_or(Language::System));
  dialog.rememberPositions(last.positions);
  startZoom = last.zoom;
}

int FlowApp::run() {
  QObject::connect(&dialog, &MainDialog::forgetAsked, &dialog, [this] { memory.forget(); });
  QObject::connect(&dialog, &QDialog::finished, &dialog, [this] { memory.save(dialog); });
  // The close box, Alt+F4, Quit and every other way of closing the window end the program.
  QObject::connect(&dialog, &QDialog::finished, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  dialog.show();
  dialog.setZoom(startZoom);
  return QApplication::exec();
}
