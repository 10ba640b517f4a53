// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's command line: options and one command, read and checked in full before any
// session is built, so a mistake costs nothing and leaves stdout empty.

#include <string>
#include <vector>

#include "cli/Session.h"
#include "cli/Sweep.h"

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
};

struct Invocation {
  enum class Action { Run, Help, Version, Error };

  Action action = Action::Run;
  std::string error;  // one line naming the problem, for Action::Error
  SessionOptions session;
  Command command = Command::Freestream;
  std::vector<PixelPoint> points;  // sample
  std::string outputFile;          // render; "-" is standard output
  bool json = false;
  SweepRange sweep;  // sweep: --from, --to, --step
  bool csv = false;  // sweep: comma-separated values
};

inline constexpr int kLargestPictureSide = 8192;  // pixels: two 32-bit images stay below 512 MiB

// `arguments` without the program name. Options may stand before or after the command; "--"
// ends them, and a lone "-" or a negative number is an argument, not an option.
Invocation parseCommandLine(const std::vector<std::string>& arguments);

std::string helpText();
