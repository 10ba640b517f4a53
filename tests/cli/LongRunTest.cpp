// SPDX-License-Identifier: GPL-3.0-or-later
// The tool in hostile surroundings: an environment without a usable runtime folder, an
// interrupted long run, and the progress line it keeps on a terminal.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "cli/ProgressLine.h"

namespace {

struct RuntimeCase {
  const char* name;
  const char* runtimeDir;        // nullptr: unset; a relative name lands inside the test's folder
  const char* tmpDir = nullptr;  // TMPDIR; nullptr: the test's folder
};

class RuntimeFolders : public ::testing::TestWithParam<RuntimeCase> {};

// Qt would warn about the folder (an abort under QT_FATAL_WARNINGS) and make one of its own.
TEST_P(RuntimeFolders, NeitherWarnNorAbortNorLeaveAFolder) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_FATAL_WARNINGS", "1");
  env.insert("TMPDIR", GetParam().tmpDir ? QString::fromUtf8(GetParam().tmpDir) : tmp.path());
  env.remove("XDG_RUNTIME_DIR");
  if (GetParam().runtimeDir) env.insert("XDG_RUNTIME_DIR", tmp.filePath(GetParam().runtimeDir));
  QProcess tool;
  tool.setProcessEnvironment(env);
  tool.start(QStringLiteral(ZERKON_CLI_PATH), {"freestream"});
  ASSERT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(tool.exitCode(), 0);
  EXPECT_EQ(tool.readAllStandardError(), QByteArray());
  EXPECT_FALSE(tool.readAllStandardOutput().isEmpty());
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

INSTANTIATE_TEST_SUITE_P(, RuntimeFolders,
                         ::testing::Values(RuntimeCase{"Unset", nullptr},
                                           RuntimeCase{"Missing", "nonexistent"},
                                           RuntimeCase{"MissingTmpdir", nullptr, "/nonexistent"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every terminating signal, in every long phase (ticks, drags, a chart, a PNG encode), ends
// the run within moments: the old file whole, no temporary and no runtime folder left.
TEST(LongRun, ASignalStopsItPromptlyWithNothingLeftBehind) {
  QStringList drags;
  for (int i = 0; i < 20000; ++i) drags << "--drag" << QStringLiteral("%1,100").arg(i % 600);
  const struct {
    int signal;
    QStringList arguments;  // the target file is appended
  } cases[] = {
      {SIGINT, {"--ticks", "2000000", "render"}},
      {SIGTERM, {"--ticks", "2000000", "render"}},
      {SIGHUP, drags + QStringList{"render"}},
      {SIGQUIT, {"--ticks", "2000000", "render"}},
      {SIGUSR1, {"--chart-size", "8192x8192", "chart", "loads"}},
      {SIGUSR2, {"--size", "8192x8192", "render"}},
      {SIGALRM, {"--ticks", "2000000", "render"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signal);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath("keep.png");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
    old.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", dir.path());  // the runtime folder is made here
    env.remove("XDG_RUNTIME_DIR");
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(ZERKON_CLI_PATH), c.arguments + QStringList{target});
    ASSERT_TRUE(tool.waitForStarted());
    QThread::msleep(1200);
    QElapsedTimer sinceSignal;
    sinceSignal.start();
    ::kill(static_cast<pid_t>(tool.processId()), c.signal);
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_LT(sinceSignal.elapsed(), 1000);
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 128 + c.signal);
    EXPECT_EQ(tool.readAllStandardError(), QByteArray());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"keep.png"});
  }
}

// AddressSanitizer reserves far more address space than any such limit allows.
#if !defined(__SANITIZE_ADDRESS__)
TEST(LongRun, OutOfMemoryIsSaidAsSuch) {
  QProcess shell;
  shell.start("/bin/sh", {"-c", "ulimit -v 400000; exec \"$0\" --size 8192x8192 render -",
                          QStringLiteral(ZERKON_CLI_PATH)});
  ASSERT_TRUE(shell.waitForFinished(60000));
  EXPECT_EQ(shell.exitCode(), 2);
  EXPECT_EQ(shell.readAllStandardError(), "zerkon-cli: not enough memory for the picture\n");
  EXPECT_EQ(shell.readAllStandardOutput(), QByteArray());
}
#endif

TEST(ProgressLine, ShowsOnlyLongRunsOnATerminalAndErasesItself) {
  ProgressLine pipe(false, 1000000);
  EXPECT_EQ(pipe.update(1000, 10), "");
  EXPECT_EQ(pipe.erase(), "");

  ProgressLine quick(true, 1000);
  EXPECT_EQ(quick.update(900, 0.6), "");  // done within a second: no line at all
  EXPECT_EQ(quick.erase(), "");

  ProgressLine slow(true, 10000);
  EXPECT_EQ(slow.update(100, 0.2), "");  // too early to judge
  EXPECT_EQ(slow.update(1000, 1.0),
            "\rzerkon-cli: 1000 of 10000 ticks, 1000 ticks/s, 9 s left\x1b[K");
  EXPECT_EQ(slow.update(1100, 1.1), "");  // between redraws
  EXPECT_EQ(slow.erase(), "\r\x1b[K");
}

// A line wider than the terminal would wrap, and "\r" could no longer redraw it.
TEST(ProgressLine, FitsANarrowTerminal) {
  const struct {
    int columns;
    const char* line;
  } cases[] = {
      {80, "\rzerkon-cli: 2000 of 20000 drags, 1000 drags/s, 18 s left\x1b[K"},
      {40, "\r2000/20000 drags, 18 s left\x1b[K"},
      {12, "\r2000/20000 \x1b[K"},
  };
  for (const auto& c : cases) {
    ProgressLine line(true, 20000, "drags", c.columns);
    EXPECT_EQ(line.update(2000, 2.0), c.line) << c.columns;
  }
}

TEST(ProgressLine, DurationsReadAsAPersonSaysThem) {
  const struct {
    double seconds;
    const char* text;
  } cases[] = {{0.4, "0 s"},
               {59.4, "59 s"},
               {187, "3 min 07 s"},
               {5 * 3600 + 125, "5 h 02 min"},
               {9 * 86400 + 4 * 3600, "9 d 04 h"}};
  for (const auto& c : cases) EXPECT_EQ(durationText(c.seconds), c.text) << c.seconds;
}

}  // namespace
