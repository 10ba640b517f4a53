// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Session.h"

Session::Session(const SessionOptions& options) : SessionCore(frameHost) {
  // A mouse movement without the button asks the window for a probe.
  frameHost.onProbe = [this](int x, int y) { probe({x, y}); };
  start(options);
}
