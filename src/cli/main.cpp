// SPDX-License-Identifier: GPL-3.0-or-later
// zerkon-cli: one flow session built as the window builds it, one command answered about it.

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <new>
#include <optional>
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
#include "platform/SignalCleanup.h"
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

// The terminal's width in characters: what the progress line may fill.
int terminalColumns() {
  struct winsize size {};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

template <typename Show, typename End>
std::string answer(const Invocation& call, Session& session, Show& show, End& endProgress) {
  if (call.command == Command::Theory && !call.json) return theoryText(session);
  if (call.command == Command::Sweep) {
    const SweepFormat format = call.csv    ? SweepFormat::Csv
                               : call.json ? SweepFormat::Json
                                           : SweepFormat::Text;
    const std::size_t rows = sweepAngles(call.sweep).size();
    std::string table = sweepOutput(session.model(), call.sweep, format, [&](std::size_t done) {
      show(static_cast<long long>(done), static_cast<long long>(rows), "angles");
    });
    endProgress();
    return table;
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
  // Any terminating signal ends the run at once, writing nothing more and leaving no
  // temporary file or runtime folder behind; a reader that goes away ends it quietly.
  endCleanlyOnSignals();
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

  // One progress line at a time, for the drags, the ticks, then the sweep's angles.
  const bool toTerminal = isatty(STDERR_FILENO) == 1;
  const int columns = terminalColumns();
  std::optional<ProgressLine> progress;
  auto start = std::chrono::steady_clock::now();
  const auto show = [&](long long done, long long total, const char* unit) {
    if (!progress || done == 1) {
      if (progress) std::fputs(progress->erase().c_str(), stderr);
      progress.emplace(toTerminal, total, unit, columns);
      start = std::chrono::steady_clock::now();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const std::string line = progress->update(done, elapsed.count());
    if (!line.empty()) std::fputs(line.c_str(), stderr);
  };
  const auto endProgress = [&] {
    if (progress) std::fputs(progress->erase().c_str(), stderr);
    progress.reset();
  };
  SessionOptions options = call.session;
  options.afterDrag = [&](std::size_t done) {
    show(static_cast<long long>(done), static_cast<long long>(options.drags.size()), "drags");
  };
  options.afterTick = [&](int done) {
    show(done, options.ticks, "ticks");
    return true;
  };
  Session session(options);
  endProgress();

  if (call.command == Command::Render) {
    if (session.picture().isNull()) return fail("not enough memory for the picture");
    const QByteArray png = encodePng(session.picture());
    if (png.isEmpty()) return fail("cannot encode the picture as PNG");
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
    const std::string problem =
        writeOutput(call.outputFile, std::string_view(bytes.constData(), bytes.size()));
    return problem.empty() ? 0 : cannotWrite(problem);
  }

  const std::string text = answer(call, session, show, endProgress);
  return writeToStdout(text.data(), text.size());
} catch (const std::bad_alloc&) {
  return fail("not enough memory");
}
