// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FrameHost.h"

#include "platform/LargePageImage.h"

void FrameHost::createFrame(int width, int height) {
  frame.create(width, height);
  if (frame.exists()) {
    // Like the frame: the two exchange their memory when a frame is shown.
    screen = largePageImage(width, height);
    screen.fill(Qt::white);
  } else {
    screen = QImage();
  }
}
