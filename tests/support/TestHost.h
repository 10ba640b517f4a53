// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view host without a toolkit: the frame is a recording canvas, the timer
// and the probe requests are written down.

#include <utility>
#include <vector>

#include "support/RecordingCanvas.h"
#include "view/ViewHost.h"

class TestHost final : public ViewHost {
 public:
  void createFrame(int width, int height) override { frameSize = {width, height}; }
  Canvas& frameCanvas() override { return canvas; }
  void present() override { ++frames; }
  void startTimer(int intervalMs) override { timer.push_back(intervalMs); }
  void stopTimer() override { timer.push_back(0); }
  void requestProbe(int x, int y) override { probes.emplace_back(x, y); }

  RecordingCanvas canvas;
  std::pair<int, int> frameSize;
  int frames = 0;
  std::vector<int> timer;  // intervals started, 0 for a stop
  std::vector<std::pair<int, int>> probes;
};
