// SPDX-License-Identifier: GPL-3.0-or-later
// Once a session runs, a tick allocates nothing on the heap: not in its tracer
// loops, nor for the labels the raster canvas draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/RasterCanvas.h"
#include "model/FlowModel.h"
#include "support/AllocationCounter.h"
#include "view/FlowAnimation.h"
#include "view/ViewHost.h"

namespace {
// A frame in plain memory, drawn by the canvas the picture is drawn with.
class PixelHost final : public ViewHost {
 public:
  void createFrame(int width, int height) override {
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    canvas.bind({pixels.data(), width, height, width});
  }
  Canvas& frameCanvas() override { return canvas; }
  void present() override {}
  void startTimer(int) override {}
  void stopTimer() override {}
  void requestProbe(int, int) override {}
  std::vector<std::uint32_t> pixels;
  RasterCanvas canvas;
};

}  // namespace

TEST(Allocation, TheTickAllocatesNothing) {
  for (const double velocity : {450.0, 0.0, 300.0}) {
    FlowModel model;
    model.setFreeStream(velocity, 273, 100000);
    model.setDensity(1.234);
    PixelHost host;
    FlowAnimation animation(model, host);
    animation.attach(672, 465);
    for (int i = 0; i < 50; ++i) animation.onTick();
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(allocationsDuring([&] { animation.advance(); }), 0) << velocity;
      EXPECT_EQ(allocationsDuring([&] { animation.compose(); }), 0) << velocity;
    }
    // Retracing reuses the streamlines' storage once it has grown.
    animation.retrace();
    EXPECT_EQ(allocationsDuring([&] { animation.retrace(); }), 0) << velocity;
  }
}
