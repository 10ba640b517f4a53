// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt side of a flow view shared by the window and the batch tool: the
// off-screen frame and the screen image every composed frame is copied to.

#include <QImage>
#include <functional>

#include "view/FrameBuffer.h"
#include "view/ViewHost.h"

class FrameHost : public ViewHost {
 public:
  void createFrame(int width, int height) override;
  Canvas& frameCanvas() override { return frame.canvas(); }
  // The whole frame onto the screen image, colour-keyed.
  void present() override { frame.present(screen); }

  // What the picture shows after the last composed frame.
  const QImage& screenImage() const { return screen; }
  const FrameBuffer& frameBuffer() const { return frame; }

 protected:
  FrameBuffer frame;
  QImage screen;  // RGB32, the picture's size
};

// A host without a window: the timer is only written down, probe requests
// go to a callback.
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
