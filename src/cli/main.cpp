// SPDX-License-Identifier: GPL-3.0-or-later
// zerkon-cli: one flow session built as the window builds it, one command answered about it.

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "app/ChartSeries.h"
#include "app/Version.h"
#include "chart/ChartFile.h"
#include "cli/CommandLine.h"
#include "cli/ProgressLine.h"
#include "cli/RuntimeFolder.h"
#include "cli/Verify.h"
#include "platform/OutputFile.h"
#include "session/Commands.h"
#include "session/Session.h"
#include "session/Sweep.h"
#include "session/TextEscape.h"

namespace {

constexpr int kFailure = 2;

// Without XDG_RUNTIME_DIR (a cron job, a container) Qt falls back to a
// folder of its own and says so on every run; errors must stay one line.
void keepQuietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths:"))) return;
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// The signal that asked the run to stop, 0 while none has.
volatile std::sig_atomic_t stopSignal = 0;

void askToStop(int signal) {
  stopSignal = signal;
}

// Ctrl+C and SIGTERM end the work at the next tick; the tool then cleans up and exits with
// 128 + the signal, writing nothing.
void stopOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = askToStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int fail(const std::string& message) {
  std::fprintf(stderr, "zerkon-cli: %s\n", message.c_str());
  return kFailure;
}

// A full disk or a closed pipe must not pass for success.
int writeToStdout(const char* data, std::size_t size) {
  if (std::fwrite(data, 1, size, stdout) != size || std::fflush(stdout) != 0)
    return fail("cannot write to standard output");
  return 0;
}

std::string answer(const Invocation& call, Session& session) {
  if (call.command == Command::Theory && !call.json) return theoryText(session);
  if (call.command == Command::Sweep) {
    const SweepFormat format = call.csv    ? SweepFormat::Csv
                               : call.json ? SweepFormat::Json
                                           : SweepFormat::Text;
    return sweepOutput(session.model(), call.sweep, format);
  }
  Node report;
  switch (call.command) {
    case Command::Freestream:
      report = freestreamReport(session);
      break;
    case Command::Sample:
      report = sampleReport(session, call.points);
      break;
    case Command::Zones:
      report = zonesReport(session);
      break;
    case Command::Streamlines:
      report = streamlinesReport(session);
      break;
    case Command::Tracers:
      report = tracersReport(session);
      break;
    case Command::Theory:
      report = theoryReport(session);
      break;
    case Command::Render:
    case Command::Sweep:
    case Command::Verify:
    case Command::Chart:
      break;
  }
  return call.json ? toJson(report) : toText(report);
}

QByteArray encodePng(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) return {};
  return bytes;
}

}  // namespace

// Out of memory is said as such, after every object of the run, the runtime folder included, is
// gone.
int main(int argc, char** argv) try {
  // Read straight from argv: the application object would take Qt's own options
  // (-platform, -style, ...) out of it, and would decode the bytes by the locale.
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const Invocation call = parseCommandLine(arguments);
  if (call.action == Invocation::Action::Help) {
    const std::string help = helpText();
    return writeToStdout(help.data(), help.size());
  }
  if (call.action == Invocation::Action::Version) {
    const std::string line = "zerkon-cli " + std::string(kVersion) + "\n";
    return writeToStdout(line.data(), line.size());
  }
  if (call.action == Invocation::Action::Error) return fail(call.error);

  // The textbook cases need no session: the theory alone answers them.
  if (call.command == Command::Verify) {
    const auto cases = theory::textbookCases();
    const std::string text = call.json ? toJson(verifyReport(cases)) : verifyText(cases);
    const int written = writeToStdout(text.data(), text.size());
    return written != 0 ? written : allPass(cases) ? 0 : 1;
  }

  // An output that cannot be written fails at once, before any work; the file itself is
  // touched only once the whole picture is ready.
  const auto cannotWrite = [&](const std::string& why) {
    if (call.outputFile == "-") return fail("cannot write to standard output: " + why);
    return fail("cannot write " + quotedText(call.outputFile) + ": " + why);
  };
  const bool writesFile = call.command == Command::Render || call.command == Command::Chart;
  if (writesFile) {
    const std::string problem = outputProblem(call.outputFile);
    if (!problem.empty()) return cannotWrite(problem);
    // Past a file-size limit a write then fails with its cause instead of killing the tool
    // with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
  }

  stopOnInterrupt();
  // Text rendering needs an application object; the tool never needs a
  // display, whatever platform the environment asks for, nor a runtime folder of its own.
  // The charts are graphics widgets, which need the widget application; every other command
  // keeps the plain one.
  const RuntimeFolder runtimeFolder;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(keepQuietAboutRuntimeFolder);
  int qtArgc = 1;
  char programName[] = "zerkon-cli";
  char* qtArgv[] = {programName, nullptr};
  const std::unique_ptr<QGuiApplication> application =
      call.command == Command::Chart ? std::make_unique<QApplication>(qtArgc, qtArgv)
                                     : std::make_unique<QGuiApplication>(qtArgc, qtArgv);

  SessionOptions options = call.session;
  ProgressLine progress(isatty(STDERR_FILENO) == 1, options.ticks);
  const auto start = std::chrono::steady_clock::now();
  options.afterTick = [&](int done) {
    if (stopSignal != 0) return false;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const std::string line = progress.update(done, elapsed.count());
    if (!line.empty()) std::fputs(line.c_str(), stderr);
    return true;
  };
  Session session(options);
  std::fputs(progress.erase().c_str(), stderr);
  const auto stopped = [] { return stopSignal != 0 ? 128 + stopSignal : 0; };
  if (stopped() != 0) return stopped();

  if (call.command == Command::Render) {
    if (session.picture().isNull()) return fail("not enough memory for the picture");
    const QByteArray png = encodePng(session.picture());
    if (png.isEmpty()) return fail("cannot encode the picture as PNG");
    if (stopped() != 0) return stopped();
    const std::string problem =
        writeOutput(call.outputFile, std::string_view(png.constData(), png.size()));
    return problem.empty() ? 0 : cannotWrite(problem);
  }

  if (call.command == Command::Chart) {
    ChartSeriesBuilder charts;
    const QByteArray bytes =
        renderChart(call.chart, charts.update(session.model()),
                    QSize(call.chartWidth, call.chartHeight), call.chartFormat);
    if (bytes.isEmpty()) return fail("cannot draw the chart");
    if (stopped() != 0) return stopped();
    const std::string problem =
        writeOutput(call.outputFile, std::string_view(bytes.constData(), bytes.size()));
    return problem.empty() ? 0 : cannotWrite(problem);
  }

  const std::string text = answer(call, session);
  if (stopped() != 0) return stopped();
  return writeToStdout(text.data(), text.size());
} catch (const std::bad_alloc&) {
  return fail("not enough memory");
}
