// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt side of a flow view shared by the window and the batch tool: the
// off-screen frame and the screen image every composed frame is copied to.

#include <QImage>

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
