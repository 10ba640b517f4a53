// SPDX-License-Identifier: GPL-3.0-or-later
// Once a session runs, a tick allocates nothing on the heap in its tracer
// loops; only the scene's label texts may.
#include <gtest/gtest.h>

#include "canvas/Canvas.h"
#include "model/FlowModel.h"
#include "support/AllocationCounter.h"
#include "view/FlowAnimation.h"
#include "view/ViewHost.h"

namespace {
class NullCanvas final : public Canvas {
 public:
  void selectPen(const Pen&) override {}
  void selectBrush(const Brush&) override {}
  void selectFont(const Font&) override {}
  void setTransparentBackground() override {}
  void moveTo(int, int) override {}
  void lineTo(int, int) override {}
  void setPixel(int, int, Colour) override {}
  void ellipse(int, int, int, int) override {}
  void fillRect(int, int, int, int, Colour) override {}
  void textOut(int, int, std::string_view) override {}
  void drawText(int, int, int, int, std::u16string_view) override {}
  void angleArc(int, int, int, float, float) override {}
};

class NullHost final : public ViewHost {
 public:
  void createFrame(int, int) override {}
  Canvas& frameCanvas() override { return canvas; }
  void present() override {}
  void startTimer(int) override {}
  void stopTimer() override {}
  void requestProbe(int, int) override {}
  NullCanvas canvas;
};

}  // namespace

TEST(Allocation, TheTickAllocatesNothingButLabelTexts) {
  for (const double velocity : {450.0, 0.0, 300.0}) {
    FlowModel model;
    model.setFreeStream(velocity, 273, 100000);
    model.setDensity(1.234);
    NullHost host;
    FlowAnimation animation(model, host);
    animation.attach(672, 465);
    for (int i = 0; i < 50; ++i) animation.onTick();
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(allocationsDuring([&] { animation.advance(); }), 0) << velocity;
      EXPECT_LE(allocationsDuring([&] { animation.compose(); }), 4) << velocity;
    }
    // Retracing reuses the streamlines' storage once it has grown.
    animation.retrace();
    EXPECT_EQ(allocationsDuring([&] { animation.retrace(); }), 0) << velocity;
  }
}
