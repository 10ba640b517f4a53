// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "app/NumberText.h"
#include "session/TextEscape.h"
#include "view/PictureSize.h"

namespace {

// User text inside a one-line message: control characters would break the line.
std::string quoted(std::string_view text) {
  std::string out = "'";
  for (const char c : text) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  return out + "'";
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A whole number made of digits only (an optional sign where allowed), within [low, high].
std::optional<int> wholeNumber(std::string_view text, bool signAllowed, long long low,
                               long long high) {
  const bool plus = signAllowed && !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);
  const std::size_t firstDigit = signAllowed && !plus && !text.empty() && text.front() == '-';
  if (text.size() == firstDigit) return std::nullopt;
  for (std::size_t i = firstDigit; i < text.size(); ++i)
    if (!isDigit(text[i])) return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<PixelPoint> point(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  constexpr long long low = std::numeric_limits<int>::min();
  constexpr long long high = std::numeric_limits<int>::max();
  const auto x = wholeNumber(text.substr(0, comma), true, low, high);
  const auto y = wholeNumber(text.substr(comma + 1), true, low, high);
  if (!x || !y) return std::nullopt;
  return PixelPoint{*x, *y};
}

// The decimal form the fields read, but it must be the whole text.
bool isDecimal(std::string_view text) {
  return !text.empty() && decimalPrefixLength(text) == text.size();
}

// WxH, each side a whole number from `smallest` to kLargestPictureSide.
std::optional<std::pair<int, int>> pictureSize(std::string_view text, int smallest) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  const auto w = wholeNumber(text.substr(0, x), false, smallest, kLargestPictureSide);
  const auto h = wholeNumber(text.substr(x + 1), false, smallest, kLargestPictureSide);
  if (!w || !h) return std::nullopt;
  return std::pair(*w, *h);
}

bool looksLikeNumber(std::string_view text) {
  return text.size() >= 2 && text[0] == '-' && (isDigit(text[1]) || text[1] == '.');
}

std::optional<Command> commandNamed(std::string_view name) {
  if (name == "freestream") return Command::Freestream;
  if (name == "sample") return Command::Sample;
  if (name == "zones") return Command::Zones;
  if (name == "streamlines") return Command::Streamlines;
  if (name == "tracers") return Command::Tracers;
  if (name == "render") return Command::Render;
  if (name == "theory") return Command::Theory;
  if (name == "sweep") return Command::Sweep;
  if (name == "verify") return Command::Verify;
  if (name == "chart") return Command::Chart;
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(Invocation& result) : result(result) {}

  // Reads one option at arguments[i]; returns how many arguments it took.
  std::size_t option(const std::vector<std::string>& arguments, std::size_t i) {
    const std::string& argument = arguments[i];
    std::string_view name = argument;
    std::optional<std::string> value;
    if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
      value = std::string(name.substr(equals + 1));
      name = name.substr(0, equals);
    }
    if (name == "--help" || name == "-h" || name == "--json" || name == "--csv" ||
        name == "--version") {
      if (value) return fail("option " + std::string(name) + " takes no value"), 1;
      if (name == "--json") {
        result.json = true;
      } else if (name == "--csv") {
        result.csv = true;
      } else if (name == "--version") {
        version = true;
      } else {
        help = true;
      }
      return 1;
    }
    if (!takesValue(name)) return fail("unknown option " + quoted(name)), 1;
    std::size_t used = 1;
    if (!value) {
      if (i + 1 >= arguments.size())
        return fail("option " + std::string(name) + " needs a value"), 1;
      value = arguments[i + 1];
      used = 2;
    }
    apply(name, *value);
    return used;
  }

  void argument(const std::string& text) {
    if (!command) {
      command = commandNamed(text);
      if (!command) fail("unknown command " + quoted(text));
      return;
    }
    if (*command == Command::Sample) {
      const auto p = point(text);
      if (!p) return fail("sample needs points X,Y of whole numbers, not " + quoted(text));
      result.points.push_back(*p);
    } else if (*command == Command::Render && !outputFile) {
      if (text.empty()) return fail("render needs a file name, not an empty one");
      outputFile = text;
    } else if (*command == Command::Chart && !chartNamed) {
      chartNamed = true;
      if (text == "thetabeta") {
        result.chart = ChartKind::ThetaBeta;
      } else if (text == "loads") {
        result.chart = ChartKind::Loads;
      } else {
        fail("chart needs thetabeta or loads, not " + quoted(text));
      }
    } else if (*command == Command::Chart && !outputFile) {
      if (text.empty()) return fail("chart needs a file name, not an empty one");
      const auto format = chartFormatFor(text);
      if (!format)
        return fail("chart writes .png or .svg files (- for a PNG on stdout), not " + quoted(text));
      result.chartFormat = *format;
      outputFile = text;
    } else {
      fail("unexpected argument " + quoted(text));
    }
  }

  void finish() {
    if (help) {
      result.action = Invocation::Action::Help;
      return;
    }
    if (version) {
      result.action = Invocation::Action::Version;
      return;
    }
    if (!firstError.empty()) {
      result.action = Invocation::Action::Error;
      result.error = firstError;
      return;
    }
    if (!command) return finishWith("no command given (see --help)");
    result.command = *command;
    if (*command == Command::Sample && result.points.empty())
      return finishWith("sample needs at least one point X,Y");
    if (*command == Command::Render) {
      if (!outputFile) return finishWith("render needs an output file (- for standard output)");
      result.outputFile = *outputFile;
    }
    if (*command == Command::Chart) {
      if (!chartNamed) return finishWith("chart needs thetabeta or loads, then an output file");
      if (!outputFile)
        return finishWith("chart needs an output file .png or .svg (- for standard output)");
      result.outputFile = *outputFile;
    }
    finishSweep();
  }

 private:
  static bool takesValue(std::string_view name) {
    return name == "--velocity" || name == "--temperature" || name == "--pressure" ||
           name == "--size" || name == "--drag" || name == "--angle" || name == "--ticks" ||
           name == "--chart-size" || isSweepOption(name);
  }
  static bool isSweepOption(std::string_view name) {
    return name == "--from" || name == "--to" || name == "--step";
  }

  // The sweep's own options make sense for it alone; two output forms cannot both be had.
  void finishSweep() {
    const bool isSweep = result.command == Command::Sweep;
    if (result.csv && !isSweep) return finishWith("--csv is only for sweep");
    if (sweepOptionGiven && !isSweep)
      return finishWith("--from, --to and --step are only for sweep");
    if (result.csv && result.json) return finishWith("--csv and --json cannot be combined");
    if (chartSizeGiven && result.command != Command::Chart)
      return finishWith("--chart-size is only for chart (--size is the picture's)");
    if (isSweep) {
      const std::string problem = sweepRangeProblem(result.sweep);
      if (!problem.empty()) return finishWith(problem);
    }
  }

  void apply(std::string_view name, const std::string& value) {
    SessionOptions& s = result.session;
    if (name == "--velocity") {
      s.velocity = value;
    } else if (name == "--temperature") {
      s.temperature = value;
    } else if (name == "--pressure") {
      s.pressure = value;
    } else if (name == "--size") {
      const auto size = pictureSize(value, 1);
      if (!size)
        return fail("--size needs WxH, whole numbers from 1 to " +
                    std::to_string(kLargestPictureSide) + ", not " + quoted(value));
      s.width = size->first;
      s.height = size->second;
    } else if (name == "--chart-size") {
      const auto size = pictureSize(value, kSmallestChartSide);
      if (!size)
        return fail("--chart-size needs WxH, whole numbers from " +
                    std::to_string(kSmallestChartSide) + " to " +
                    std::to_string(kLargestPictureSide) + ", not " + quoted(value));
      chartSizeGiven = true;
      result.chartWidth = size->first;
      result.chartHeight = size->second;
    } else if (name == "--drag") {
      const auto p = point(value);
      if (!p) return fail("--drag needs a point X,Y of whole numbers, not " + quoted(value));
      s.drags.push_back(*p);
    } else if (name == "--angle") {
      if (!isDecimal(value))
        return fail("--angle needs a decimal number of degrees, not " + quoted(value));
      s.angle = parseNumber(value);
    } else if (isSweepOption(name)) {
      if (!isDecimal(value))
        return fail(std::string(name) + " needs a decimal number of degrees, not " +
                    quotedText(value));
      sweepOptionGiven = true;
      double& bound = name == "--from" ? result.sweep.from
                      : name == "--to" ? result.sweep.to
                                       : result.sweep.step;
      bound = parseNumber(value);
    } else if (name == "--ticks") {
      const auto n = wholeNumber(value, false, 0, std::numeric_limits<int>::max());
      if (!n)
        return fail("--ticks needs a whole number from 0 to " +
                    std::to_string(std::numeric_limits<int>::max()) + ", not " + quoted(value));
      s.ticks = *n;
    }
  }

  void fail(const std::string& message) {
    if (firstError.empty()) firstError = message;
  }
  void finishWith(const std::string& message) {
    result.action = Invocation::Action::Error;
    result.error = message;
  }

  Invocation& result;
  std::optional<Command> command;
  std::optional<std::string> outputFile;
  bool chartNamed = false;      // chart: thetabeta or loads was given
  bool chartSizeGiven = false;  // --chart-size was given
  std::string firstError;
  bool help = false;
  bool sweepOptionGiven = false;
  bool version = false;
};

}  // namespace

Invocation parseCommandLine(const std::vector<std::string>& arguments) {
  Invocation result;
  Parser parser(result);
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size();) {
    const std::string& a = arguments[i];
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
      ++i;
    } else if (!optionsEnded && a.size() > 1 && a[0] == '-' && !looksLikeNumber(a)) {
      i += parser.option(arguments, i);
    } else {
      parser.argument(a);
      ++i;
    }
  }
  parser.finish();
  return result;
}

std::string helpText() {
  return R"(Usage: zerkon-cli [OPTIONS] COMMAND [ARGUMENTS]

Builds one flow session exactly as the window does at start-up, then answers one command
about it. Needs no display.

The session is built in this order: free stream, picture, drags, angle, ticks.

Options:
  --velocity TEXT     free-stream speed field V1, read as the window reads it (m/s; default 450)
  --temperature TEXT  free-stream temperature field T1 (K; default 273)
  --pressure TEXT     free-stream pressure field P1 (Pa; default 100000)
                      The field texts are never an error: the longest leading decimal
                      number is read, and a text without one reads as 0.
  --size WxH          picture size in pixels, 1 to 8192 each (default )" +
         std::to_string(kPictureWidth) + "x" + std::to_string(kPictureHeight) + R"()
  --drag X,Y          move the mouse with the left button held to pixel (X,Y), turning the
                      plate; repeatable, applied in the order given
  --angle DEG         then set the angle of attack to DEG degrees, clamped to 0..75
  --ticks N           then run N animation ticks (default 0)
  --chart-size WxH    size of a chart file in pixels, 100 to 8192 each (default 800x600)
  --json              print one JSON document instead of aligned text
  --csv               sweep only: print comma-separated values with a header row
  --from DEG          sweep only: the first angle of attack (default 0)
  --to DEG            sweep only: the last angle of attack (default 75)
  --step DEG          sweep only: the step between angles, positive (default 1); at most
                      100000 angles
  --version           print the version and exit
  -h, --help          print this help and exit

Commands:
  freestream          the free-stream inputs as read, the derived density, sound speed,
                      Mach number and specific volume, the model's density, and the texts
                      of the seven free-stream fields
  sample X,Y...       the window's probe at each of one or more points in turn: the nine
                      local values and the texts the fields show for them
  zones               the plate and every field of the four zones
  streamlines         the twelve streamlines with every recorded point
  tracers             every tracer (x y vx vy turned captured) and both pressure bubbles
  render FILE         write the last composed picture as a PNG; FILE - writes to stdout
  theory              exact shock-expansion theory for the same free stream and angle beside
                      the model: regime, face states, coefficients, Ackeret's linear theory,
                      loads on a 1 m chord, and the model's face pressures against the exact ones
  sweep               one row per angle of attack from --from to --to for the same free
                      stream: the regime (attached, detached, subsonic, or invalid outside
                      0..90°), the lower shock angle, c_l, c_d and L/D by exact
                      shock-expansion theory, c_l and c_d by Ackeret, by Busemann and by the
                      picture's model (absent values empty in CSV, null in JSON, — in text)
  verify              check the theory against textbook cases built in: each case with its
                      source, the published value, the tolerance its rounding allows and the
                      program's value; exit status 1 when a case fails
  chart KIND FILE     KIND thetabeta: the theta-beta-M chart with the plate's operating
                      point; KIND loads: c_l and c_d against alpha by every theory with the
                      current alpha; drawn for the same free stream into FILE.png or
                      FILE.svg, or - for a PNG on stdout

Options may also follow the command; "--" ends the options. A single-valued option given
twice takes its last value. Negative coordinates need no "--": "sample -10,20" works.

In JSON every number reads back to the identical double; NaN and infinities are written as
the strings "NaN", "Infinity" and "-Infinity"; absent theory values are null.

Exit status: 0 on success; 1 when verify finds a case that fails; 2 for an unknown command
or option, a malformed number of ticks, size, point or angle, an unusable sweep range, a
chart file that is neither .png nor .svg, or an output that cannot be written (one line on
stderr, nothing on stdout); 130 or 143 when Ctrl+C (SIGINT) or SIGTERM stopped the work
(nothing written, an existing output file left as it was). A long run on a terminal shows its
progress on stderr.
)";
}
