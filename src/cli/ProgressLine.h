// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one line a long batch run keeps on a terminal: steps done (ticks, drags, angles), their
// rate and the time left, never wider than the terminal.

#include <string>
#include <utility>

class ProgressLine final {
 public:
  // `toTerminal`: whether standard error is a terminal; nothing is ever shown otherwise.
  // `unit`: what is counted, in the plural ("ticks"); `columns`: the terminal's width.
  ProgressLine(bool toTerminal, long long totalSteps, std::string unit = "ticks", int columns = 80)
      : terminal(toTerminal), total(totalSteps), unit(std::move(unit)), columns(columns) {}

  // What to write to the terminal after `done` steps and `elapsed` seconds of work; "" while
  // the run looks shorter than about a second, and between redraws. On a narrow terminal the
  // line is shortened so that it never wraps (a wrapped line could not be redrawn in place).
  std::string update(long long done, double elapsed);
  // What removes the line again; "" when none was shown.
  std::string erase() const;

 private:
  bool terminal = false;
  long long total = 0;        // steps the run will take
  std::string unit;           // what a step is, in the plural
  int columns = 80;           // characters the terminal shows on a line
  bool shown = false;         // whether a line is on the terminal
  double lastDrawn = -1e300;  // seconds into the run of the last redraw
};

// A duration for a person: "42 s", "3 min 07 s", "5 h 02 min", "9 d 04 h".
std::string durationText(double seconds);
