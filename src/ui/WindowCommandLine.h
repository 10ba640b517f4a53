// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's command line, read before any application object exists, so that --help,
// --version and a mistake never need a display.

#include <string>
#include <string_view>
#include <vector>

// The language of the window's texts; System follows the locale.
enum class Language { System, Russian, English };

struct WindowInvocation {
  enum class Action { Run, Help, Version, Error };

  Action action = Action::Run;
  std::string error;  // one line naming the problem, for Action::Error
  Language language = Language::System;
  // --fresh: the remembered language, zoom and places are neither read nor written.
  bool fresh = false;
};

// `arguments` without the program name.
WindowInvocation parseWindowCommandLine(const std::vector<std::string>& arguments);

std::string windowHelpText();

// The text in single quotes for a message, every byte outside printable ASCII (and \ and ')
// written as \xHH, so that a hostile argument can neither move the cursor nor split the line.
std::string quotedArgument(std::string_view text);
