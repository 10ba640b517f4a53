// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's command line: options and one command, read and checked in full before any
// session is built, so a mistake costs nothing and leaves stdout empty.

#include <string>
#include <vector>

#include "chart/ChartFile.h"
#include "session/Session.h"
#include "session/Sweep.h"

enum class Command {
  Freestream,
  Sample,
  Zones,
  Streamlines,
  Tracers,
  Render,
  Theory,
  Sweep,
  Verify,
  Chart,
};

struct Invocation {
  enum class Action { Run, Help, Version, Error };

  Action action = Action::Run;
  std::string error;  // one line naming the problem, for Action::Error
  SessionOptions session;
  Command command = Command::Freestream;
  std::vector<PixelPoint> points;  // sample
  std::string outputFile;          // render, chart; "-" is standard output
  ChartKind chart = ChartKind::ThetaBeta;
  ChartFormat chartFormat = ChartFormat::Png;
  int chartWidth = 800;   // pixels
  int chartHeight = 600;  // pixels
  bool json = false;
  SweepRange sweep;  // sweep: --from, --to, --step
  bool csv = false;  // sweep: comma-separated values
};

inline constexpr int kLargestPictureSide = 8192;  // pixels: two 32-bit images stay below 512 MiB
inline constexpr int kSmallestChartSide = 100;    // pixels: room for the axes and the legend

// `arguments` without the program name. Options may stand before or after the command; "--"
// ends them, and a lone "-" or a negative number is an argument, not an option.
Invocation parseCommandLine(const std::vector<std::string>& arguments);

std::string helpText();
