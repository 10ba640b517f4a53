// zerkon-cli: one flow session built as the window builds it, one command answered about it.

#include <sys/stat.h>
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Session.h"

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

std::string answer(const Invocation& call, Session& session) {
  if (call.command == Command::Theory && !call.json) return theoryText(session);
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
      break;
  }
  return call.json ? toJson(report) : toText(report);
}

// A regular file is replaced only once the whole PNG is written, so a failed run never leaves
// half a picture behind. Pipes and devices (/dev/stdout, a FIFO) cannot be replaced: they are
// written in place.
std::unique_ptr<QFileDevice> openOutput(const std::string& path) {
  const QString name = QString::fromLocal8Bit(path);
  struct stat status {};
  const bool special =
      ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
  std::unique_ptr<QFileDevice> file;
  if (special) {
    file = std::make_unique<QFile>(name);
  } else {
    auto save = std::make_unique<QSaveFile>(name);
    // Folders we may not create in still take the file itself.
    save->setDirectWriteFallback(true);
    file = std::move(save);
  }
  file->open(QIODevice::WriteOnly);
  return file;
}

bool finish(QFileDevice& file) {
  if (auto* save = dynamic_cast<QSaveFile*>(&file)) return save->commit();
  return file.flush() && file.error() == QFileDevice::NoError;
}

QByteArray encodePng(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) return {};
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  // Read straight from argv: the application object would take Qt's own options
  // (-platform, -style, ...) out of it, and would decode the bytes by the locale.
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const Invocation call = parseCommandLine(arguments);
  if (call.action == Invocation::Action::Help) {
    const std::string help = helpText();
    return writeToStdout(help.data(), help.size());
  }
  if (call.action == Invocation::Action::Error) return fail(call.error);

  // Opened before any work, so an unwritable file fails at once.
  std::unique_ptr<QFileDevice> output;
  if (call.command == Command::Render && call.outputFile != "-") {
    output = openOutput(call.outputFile);
    if (!output->isOpen())
      return fail("cannot write '" + call.outputFile + "': " + output->errorString().toStdString());
  }

  // Text rendering needs an application object; the tool never needs a
  // display, whatever platform the environment asks for.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(keepQuietAboutRuntimeFolder);
  int qtArgc = 1;
  char programName[] = "zerkon-cli";
  char* qtArgv[] = {programName, nullptr};
  const QGuiApplication application(qtArgc, qtArgv);

  Session session(call.session);

  if (call.command == Command::Render) {
    if (session.picture().isNull()) return fail("the picture is empty");
    if (!output) {
      const QByteArray png = encodePng(session.picture());
      if (png.isEmpty()) return fail("cannot encode the picture as PNG");
      return writeToStdout(png.constData(), static_cast<std::size_t>(png.size()));
    }
    if (!session.picture().save(output.get(), "PNG") || !finish(*output))
      return fail("cannot write '" + call.outputFile + "': " + output->errorString().toStdString());
    return 0;
  }

  const std::string text = answer(call, session);
  return writeToStdout(text.data(), text.size());
}
