// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Session.h"

Session::Session(const SessionOptions& options) {
  // A mouse movement without the button asks the window for a probe.
  frameHost.onProbe = [this](int x, int y) { showProbe(texts, flow, x, y); };
  startSession(options, texts, flow, animator);
}

FlowSample Session::probe(PixelPoint point) {
  return showProbe(texts, flow, point.x, point.y);
}
