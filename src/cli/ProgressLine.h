// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one line a long batch run keeps on a terminal: ticks done, their rate and the time left.

#include <string>

class ProgressLine final {
 public:
  // `toTerminal`: whether standard error is a terminal; nothing is ever shown otherwise.
  ProgressLine(bool toTerminal, int totalTicks) : terminal(toTerminal), total(totalTicks) {}

  // What to write to the terminal after `done` ticks and `elapsed` seconds of work; "" while
  // the run looks shorter than about a second, and between redraws.
  std::string update(int done, double elapsed);
  // What removes the line again; "" when none was shown.
  std::string erase() const;

 private:
  bool terminal = false;
  int total = 0;              // ticks the run will take
  bool shown = false;         // whether a line is on the terminal
  double lastDrawn = -1e300;  // seconds into the run of the last redraw
};

// A duration for a person: "42 s", "3 min 07 s", "5 h 02 min", "9 d 04 h".
std::string durationText(double seconds);
