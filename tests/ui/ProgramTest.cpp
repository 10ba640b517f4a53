// SPDX-License-Identifier: GPL-3.0-or-later
// The zerkon program as a user starts it: its options answer without a display, a mistake or
// a missing display is one line and an honest status; the About box names version and licence.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
#include <string>

#include "app/Version.h"
#include "ui/AboutDialog.h"
#include "ui/WindowCommandLine.h"

namespace {

// A display number with no server behind it on this machine.
QString unreachableDisplay() {
  for (int n = 917;; ++n) {
    if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
      return QStringLiteral(":%1").arg(n);
  }
}

struct ProgramCase {
  const char* name;
  QStringList arguments;
  // Variables set on top of an environment without any display.
  std::vector<std::pair<QString, QString>> environment;
  int exitCode;
  std::string out;  // exact
  std::string err;  // exact
};

TEST(Program, AnswersWithoutADisplayAndFailsInOneLine) {
  const QString display = unreachableDisplay();
  const std::string version = "zerkon " + std::string(kVersion) + "\n";
  const std::string help = windowHelpText();
  const std::vector<ProgramCase> cases = {
      {"version", {"--version"}, {}, 0, version, ""},
      {"help", {"--help"}, {}, 0, help, ""},
      {"help wins over a mistake", {"--bogus", "-h"}, {}, 0, help, ""},
      {"unknown option", {"--bogus"}, {}, 2, "", "zerkon: unknown option '--bogus'\n"},
      {"stray argument", {"file.txt"}, {}, 2, "", "zerkon: unexpected argument 'file.txt'\n"},
      {"unknown language",
       {"--language=de"},
       {},
       2,
       "",
       "zerkon: --language needs ru or en, not 'de'\n"},
      {"--fresh takes no value",
       {"--fresh=yes"},
       {},
       2,
       "",
       "zerkon: option --fresh takes no value\n"},
      {"control bytes escaped", {"--\x1b[2J"}, {}, 2, "", "zerkon: unknown option '--\\x1b[2J'\n"},
      {"no server at the display",
       {"--language", "en"},
       {{"DISPLAY", display}},
       1,
       "",
       "zerkon: cannot connect to the display '" + display.toStdString() + "'\n"},
      {"no display set",
       {},
       {},
       1,
       "",
       "zerkon: cannot connect to the display: DISPLAY is not set\n"},
      {"empty display",
       {},
       {{"DISPLAY", ""}},
       1,
       "",
       "zerkon: cannot connect to the display: DISPLAY is not set\n"},
      {"unknown platform",
       {},
       {{"QT_QPA_PLATFORM", "nosuch"}},
       1,
       "",
       "zerkon: cannot connect to the display: the platform 'nosuch' is not available\n"},
  };
  for (const ProgramCase& c : cases) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
      environment.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : c.environment) environment.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZERKON_PATH), c.arguments);
    ASSERT_TRUE(process.waitForFinished(60000)) << c.name;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.name;
    EXPECT_EQ(process.exitCode(), c.exitCode) << c.name;
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), c.out) << c.name;
    EXPECT_EQ(process.readAllStandardError().toStdString(), c.err) << c.name;
  }
}

TEST(Program, TheAboutBoxNamesVersionAndLicence) {
  const AboutDialog box;
  const auto* version = box.findChild<QLabel*>(QStringLiteral("version"));
  const auto* licence = box.findChild<QLabel*>(QStringLiteral("licence"));
  ASSERT_TRUE(version != nullptr && licence != nullptr);
  EXPECT_EQ(version->text().toStdString(), "zerkon " + std::string(kVersion));
  EXPECT_TRUE(licence->text().contains(QStringLiteral("GPL-3.0-or-later")));
}

}  // namespace
