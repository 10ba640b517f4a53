#include "view/FrameHost.h"

void FrameHost::createFrame(int width, int height) {
  frame.create(width, height);
  if (frame.exists()) {
    screen = QImage(width, height, QImage::Format_RGB32);
    screen.fill(Qt::white);
  } else {
    screen = QImage();
  }
}
