// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit-free core asked as the batch tool is asked, for comparing a build of the core
// (WebAssembly under node) with the native tool: each line of the cases file holds the tool's
// options and one command, and the JSON answer to line N (from 1) is written whole to
// <folder>/N.json, exactly the bytes `zerkon-cli --json` writes.
//
//   zerkon-core-driver CASES FOLDER
//
// Blank lines and lines starting with '#' are skipped but counted. "render" writes the
// picture instead, to <folder>/N.rgba: "WIDTH HEIGHT\n", then the pixels' red, green, blue
// and 255 row by row, drawn by the raster canvas the page uses.

#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Compat.h"
#include "session/Commands.h"
#include "session/Document.h"
#include "session/SessionCore.h"
#include "session/Sweep.h"
#include "web/WebHost.h"

namespace {

class CoreSession final : public SessionCore {
 public:
  explicit CoreSession(const SessionOptions& options) : SessionCore(host) {
    host.onProbe = [this](int x, int y) { probe({x, y}); };
    start(options);
  }
  const WebHost& frameHost() const { return host; }

 private:
  WebHost host;
};

struct Case {
  SessionOptions session;
  std::string command;
  std::vector<PixelPoint> points;
  SweepRange sweep;
  std::string problem;  // empty when the line reads
};

bool readNumber(const std::string& text, double& value) {
  const auto [end, error] = compat::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

bool readInt(const std::string& text, int& value) {
  const auto [end, error] = compat::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

bool readPair(const std::string& text, char separator, int& a, int& b) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  const char* first = text.data();
  const char* middle = first + at;
  const char* last = first + text.size();
  return compat::from_chars(first, middle, a).ptr == middle &&
         compat::from_chars(middle + 1, last, b).ptr == last;
}

// The tool's options that shape a session or an answer; anything else is a problem of the
// cases file, not of the core.
Case readCase(const std::string& line) {
  Case c;
  std::istringstream words(line);
  std::vector<std::string> w;
  for (std::string word; words >> word;) w.push_back(word);
  for (std::size_t i = 0; i < w.size(); ++i) {
    const std::string& name = w[i];
    const bool hasValue = i + 1 < w.size();
    const std::string value = hasValue ? w[i + 1] : std::string();
    double number = 0.0;
    int x = 0;
    int y = 0;
    if (name == "--json") continue;
    if (name.rfind("--", 0) == 0 && !hasValue) {
      c.problem = name + " needs a value";
    } else if (name == "--velocity") {
      c.session.velocity = value;
    } else if (name == "--temperature") {
      c.session.temperature = value;
    } else if (name == "--pressure") {
      c.session.pressure = value;
    } else if (name == "--size" && readPair(value, 'x', x, y)) {
      c.session.width = x;
      c.session.height = y;
    } else if (name == "--drag" && readPair(value, ',', x, y)) {
      c.session.drags.push_back({x, y});
    } else if (name == "--angle" && readNumber(value, number)) {
      c.session.angle = number;
    } else if (name == "--ticks" && readInt(value, x)) {
      c.session.ticks = x;
    } else if (name == "--from" && readNumber(value, number)) {
      c.sweep.from = number;
    } else if (name == "--to" && readNumber(value, number)) {
      c.sweep.to = number;
    } else if (name == "--step" && readNumber(value, number)) {
      c.sweep.step = number;
    } else if (name.rfind("--", 0) == 0) {
      c.problem = "cannot read " + name + " " + value;
    } else if (c.command.empty()) {
      c.command = name;
      continue;
    } else if (c.command == "sample" && readPair(name, ',', x, y)) {
      c.points.push_back({x, y});
      continue;
    } else {
      c.problem = "unexpected " + name;
    }
    if (!c.problem.empty()) return c;
    ++i;  // the option's value
  }
  if (c.command.empty()) c.problem = "no command";
  return c;
}

// What `zerkon-cli --json` writes for the command; nullopt for a command not answered here.
// The session's picture as the page gets it, with its size in front.
bool writePicture(const Case& c, const std::string& path) {
  const CoreSession session(c.session);
  const WebHost& host = session.frameHost();
  std::ofstream out(path, std::ios::binary);
  const std::string size =
      std::to_string(host.width()) + " " + std::to_string(host.height()) + "\n";
  out.write(size.data(), static_cast<std::streamsize>(size.size()));
  const auto bytes = static_cast<std::streamsize>(host.frame().size() * 4);
  out.write(reinterpret_cast<const char*>(host.picture()), bytes);
  out.close();
  return static_cast<bool>(out);
}

std::optional<std::string> answer(const Case& c) {
  if (c.command == "sweep") {
    if (!sweepRangeProblem(c.sweep).empty()) return std::nullopt;
    CoreSession session(c.session);
    return sweepOutput(session.model(), c.sweep, SweepFormat::Json);
  }
  CoreSession session(c.session);
  if (c.command == "freestream") return toJson(freestreamReport(session));
  if (c.command == "sample") return toJson(sampleReport(session, c.points));
  if (c.command == "zones") return toJson(zonesReport(session));
  if (c.command == "streamlines") return toJson(streamlinesReport(session));
  if (c.command == "tracers") return toJson(tracersReport(session));
  if (c.command == "theory") return toJson(theoryReport(session));
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: zerkon-core-driver CASES FOLDER\n", stderr);
    return 2;
  }
  std::ifstream cases(argv[1]);
  if (!cases) {
    std::fprintf(stderr, "zerkon-core-driver: cannot read %s\n", argv[1]);
    return 2;
  }
  int failures = 0;
  int number = 0;
  for (std::string line; std::getline(cases, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    const Case c = readCase(line);
    if (!c.problem.empty()) {
      std::fprintf(stderr, "line %d: %s\n", number, c.problem.c_str());
      ++failures;
      continue;
    }
    if (c.command == "render") {
      if (!writePicture(c, std::string(argv[2]) + "/" + std::to_string(number) + ".rgba")) {
        std::fprintf(stderr, "line %d: the picture could not be written\n", number);
        ++failures;
      }
      continue;
    }
    const std::optional<std::string> text = answer(c);
    if (!text) {
      std::fprintf(stderr, "line %d: %s is not answered here\n", number, c.command.c_str());
      ++failures;
      continue;
    }
    const std::string path = std::string(argv[2]) + "/" + std::to_string(number) + ".json";
    std::ofstream out(path, std::ios::binary);
    out.write(text->data(), static_cast<std::streamsize>(text->size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "zerkon-core-driver: cannot write %s\n", path.c_str());
      return 2;
    }
  }
  return failures == 0 ? 0 : 1;
}
