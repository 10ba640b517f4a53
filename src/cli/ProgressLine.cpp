// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressLine.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr double kFirstLook = 0.5;     // seconds of work before the run's length is judged
constexpr double kWorthShowing = 1.0;  // seconds a run must take to get a line
constexpr double kRedraw = 0.25;       // seconds between redraws
}  // namespace

std::string durationText(double seconds) {
  const long long s = std::llround(std::fmax(seconds, 0.0));
  char text[64];
  if (s < 60)
    std::snprintf(text, sizeof text, "%lld s", s);
  else if (s < 3600)
    std::snprintf(text, sizeof text, "%lld min %02lld s", s / 60, s % 60);
  else if (s < 86400)
    std::snprintf(text, sizeof text, "%lld h %02lld min", s / 3600, s % 3600 / 60);
  else
    std::snprintf(text, sizeof text, "%lld d %02lld h", s / 86400, s % 86400 / 3600);
  return text;
}

std::string ProgressLine::update(long long done, double elapsed) {
  if (!terminal || done <= 0 || elapsed < kFirstLook) return {};
  const double rate = static_cast<double>(done) / elapsed;  // steps per second
  const double left = static_cast<double>(total - done) / rate;
  if (!shown && elapsed + left < kWorthShowing) return {};
  if (elapsed - lastDrawn < kRedraw) return {};
  lastDrawn = elapsed;
  shown = true;
  char text[200];
  std::snprintf(text, sizeof text, "zerkon-cli: %lld of %lld %s, %.0f %s/s, %s left", done, total,
                unit.c_str(), rate, unit.c_str(), durationText(left).c_str());
  std::string line = text;
  // The last column stays free: a line that fills it wraps on some terminals.
  const auto room = static_cast<std::size_t>(columns > 1 ? columns - 1 : 1);
  if (line.size() > room) {
    std::snprintf(text, sizeof text, "%lld/%lld %s, %s left", done, total, unit.c_str(),
                  durationText(left).c_str());
    line = text;
  }
  if (line.size() > room) line.resize(room);
  return "\r" + line + "\x1b[K";
}

std::string ProgressLine::erase() const {
  return shown ? "\r\x1b[K" : "";
}
