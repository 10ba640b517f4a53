// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the toolkit gives a flow view: the off-screen frame, the screen it is
// copied to, a periodic timer and the window that answers probe requests.

class Canvas;

class ViewHost {
 public:
  virtual ~ViewHost() = default;

  // Creates the off-screen frame; its canvas keeps pen, brush and font.
  virtual void createFrame(int width, int height) = 0;
  virtual Canvas& frameCanvas() = 0;
  // Copies the whole frame to the screen, leaving out the transparent colour.
  virtual void present() = 0;
  // (Re)starts the one periodic timer with this interval, milliseconds.
  virtual void startTimer(int intervalMs) = 0;
  virtual void stopTimer() = 0;
  // Asks the window to show the flow at (x, y); returns once it has.
  virtual void requestProbe(int x, int y) = 0;
};
