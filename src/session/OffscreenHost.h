// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame host of a session without a window: the timer is only written down, probe
// requests go to a callback.

#include <functional>

#include "view/FrameHost.h"

class OffscreenHost final : public FrameHost {
 public:
  void startTimer(int intervalMs) override { timerInterval = intervalMs; }
  void stopTimer() override { timerInterval = 0; }
  void requestProbe(int x, int y) override {
    if (onProbe) onProbe(x, y);
  }

  int timerInterval = 0;  // ms; 0 while stopped
  std::function<void(int, int)> onProbe;
};
