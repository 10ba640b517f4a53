// SPDX-License-Identifier: GPL-3.0-or-later
// zerkon: steady supersonic flow around a thin flat plate, animated.
#include <cstdio>
#include <string>
#include <vector>

#include "app/Version.h"
#include "ui/FlowApp.h"
#include "ui/WindowCommandLine.h"

namespace {

constexpr int kUsageError = 2;

int print(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    std::fputs("zerkon: cannot write to standard output\n", stderr);
    return kUsageError;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The options are read before the application object exists: --help, --version and a
  // mistake answer without a display.
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const WindowInvocation call = parseWindowCommandLine(arguments);
  switch (call.action) {
    case WindowInvocation::Action::Help:
      return print(windowHelpText());
    case WindowInvocation::Action::Version:
      return print("zerkon " + std::string(kVersion) + "\n");
    case WindowInvocation::Action::Error:
      std::fprintf(stderr, "zerkon: %s\n", call.error.c_str());
      return kUsageError;
    case WindowInvocation::Action::Run:
      break;
  }
  FlowApp app(argc, argv, call.language, !call.fresh);
  return app.run();
}
