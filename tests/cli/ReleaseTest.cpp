// SPDX-License-Identifier: GPL-3.0-or-later
// What a release of the tool promises on any machine: its version line, and the same picture
// bytes whatever fonts the machine's font configuration offers.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <string>

#include "app/Version.h"
#include "view/SceneFont.h"

namespace {

struct ToolResult {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ToolResult runTool(const QStringList& arguments, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(ZERKON_CLI_PATH), arguments);
  ToolResult run;
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

TEST(Release, VersionIsOneLine) {
  const ToolResult run =
      runTool({QStringLiteral("--version")}, QProcessEnvironment::systemEnvironment());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.toStdString(), "zerkon-cli " + std::string(kVersion) + "\n");
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(Release, PictureBytesDoNotDependOnTheFontConfiguration) {
  // A configuration that offers one serif face and nothing else, with its own hinting and
  // sub-pixel order: a label left to fontconfig would come out in that face and manner.
  const QString serif = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");
  if (!QFile::exists(serif) || !QFile::exists(QString::fromLatin1(kSceneFontFile)))
    GTEST_SKIP() << "fonts-dejavu-core is not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("fonts"))));
  ASSERT_TRUE(QFile::link(serif, dir.filePath(QStringLiteral("fonts/serif.ttf"))));
  QFile conf(dir.filePath(QStringLiteral("fonts.conf")));
  ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
  conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n  <dir>%1</dir>\n"
                            "  <cachedir>%2</cachedir>\n  <match target=\"font\">\n"
                            "    <edit name=\"hintstyle\"><const>hintfull</const></edit>\n"
                            "    <edit name=\"rgba\"><const>rgb</const></edit>\n"
                            "  </match>\n</fontconfig>\n")
                 .arg(dir.filePath(QStringLiteral("fonts")), dir.filePath(QStringLiteral("cache")))
                 .toUtf8());
  conf.close();

  const QStringList render = {QStringLiteral("--ticks"), QStringLiteral("3"),
                              QStringLiteral("render"), QStringLiteral("-")};
  const ToolResult usual = runTool(render, QProcessEnvironment::systemEnvironment());
  QProcessEnvironment foreign = QProcessEnvironment::systemEnvironment();
  foreign.insert(QStringLiteral("FONTCONFIG_FILE"), conf.fileName());
  const ToolResult other = runTool(render, foreign);
  ASSERT_EQ(usual.exitCode, 0) << usual.err.toStdString();
  ASSERT_EQ(other.exitCode, 0) << other.err.toStdString();
  EXPECT_GT(usual.out.size(), 1000);
  EXPECT_TRUE(usual.out == other.out) << "the picture changed with the font configuration";
}

}  // namespace
