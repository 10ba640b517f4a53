// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's side of the flow view: the off-screen frame in plain memory with the raster
// canvas, and the picture the page shows as RGBA bytes, which every presented frame is
// copied into with the transparent colour left out. The timer is the page's: it is only
// written down here.

#include <cstdint>
#include <functional>
#include <vector>

#include "canvas/RasterCanvas.h"
#include "view/ViewHost.h"

class WebHost final : public ViewHost {
 public:
  void createFrame(int width, int height) override;
  Canvas& frameCanvas() override { return canvas; }
  // The frame onto the picture, colour-keyed, as RGBA.
  void present() override;
  void startTimer(int intervalMs) override { timerInterval = intervalMs; }
  void stopTimer() override { timerInterval = 0; }
  void requestProbe(int x, int y) override {
    if (onProbe) onProbe(x, y);
  }

  // Rows top down, width × height × 4 bytes: red, green, blue, 255.
  const std::uint8_t* picture() const { return reinterpret_cast<const std::uint8_t*>(rgba.data()); }
  // The frame itself, 0xAARRGGBB words.
  const std::vector<std::uint32_t>& frame() const { return pixels; }
  int width() const { return frameWidth; }    // pixels; 0 without a frame
  int height() const { return frameHeight; }  // pixels; 0 without a frame

  int timerInterval = 0;  // ms; 0 while stopped
  std::function<void(int, int)> onProbe;

 private:
  int frameWidth = 0;                 // pixels
  int frameHeight = 0;                // pixels
  std::vector<std::uint32_t> pixels;  // the frame
  // The picture, each word the bytes red, green, blue, 255 in memory order; white before
  // the first frame.
  std::vector<std::uint32_t> rgba;
  RasterCanvas canvas;
};
