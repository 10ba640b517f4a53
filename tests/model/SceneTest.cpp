// SPDX-License-Identifier: GPL-3.0-or-later
// The scene drawn over every frame: plate, free-stream lines, force and angle.
#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "model/FlowModel.h"
#include "support/RecordingCanvas.h"

namespace {

struct SceneTest : ::testing::Test {
  // Centre (300, 200); `below` and `above` are the two face pressures.
  void setUp(double alpha, double below, double above) {
    model.setView(600, 400);
    model.pressure = 100000;
    model.angle = alpha;
    model.drawScene(canvas, FacePressures{.above = above, .below = below});
  }
  bool forceDrawn() const { return canvas.contains("line (300,129)") || hasText("Fx"); }
  bool hasText(const std::string& prefix) const {
    for (const auto& c : canvas.calls)
      if (c.rfind("text ", 0) == 0 && c.find(prefix) != std::string::npos) return true;
    return false;
  }
  FlowModel model;
  RecordingCanvas canvas;
};
}  // namespace

TEST_F(SceneTest, ForceOfAHundredPixelsAtFortyFiveDegrees) {
  setUp(std::numbers::pi / 4, 150000, 100000);
  const std::vector<std::string> expected = {
      "pen 0 2 0/0/255",
      "move (229,129)",
      "line (370,270)",  // plate
      "pen 2 1 0/0/0",
      "move (0,129)",
      "line (229,129)",  // free stream ahead
      "move (600,270)",
      "line (370,270)",  // and behind
      "pen 0 1 0/0/0",
      "move (260,200)",
      "line (300,200)",  // reference line
      "move (300,200)",
      "line (370,129)",
      "line (358,137)",  // arrow and heads
      "move (370,129)",
      "line (362,141)",
      "text (370,185) Fx = 70.71 H",
      "text (300,114) Fy = 70.71 H",
      "move (300,200)",
      "line (300,129)",
      "line (297,144)",  // vertical component
      "move (300,129)",
      "line (302,144)",
      "move (300,200)",
      "line (370,200)",
      "line (355,197)",  // horizontal component
      "move (370,200)",
      "line (355,202)",
      "move (300,200)",
      "arc (300,200) 25 180.000000 -45.000000",
      "drawtext (230,200) (310,270)",
  };
  EXPECT_EQ(canvas.calls, expected);
  EXPECT_EQ(canvas.lastUtf16, u"\u03b1 = 45.00\u00b0");
}

TEST_F(SceneTest, ForceIsDrawnOnlyAboveFifteenPixels) {
  setUp(std::numbers::pi / 4, 107500, 100000);  // exactly 15
  EXPECT_FALSE(forceDrawn());
  canvas.calls.clear();
  setUp(std::numbers::pi / 4, 107750, 100000);  // 15.5
  EXPECT_TRUE(hasText("Fx = 10.96 H"));
  canvas.calls.clear();
  setUp(std::numbers::pi / 4, 90000, 100000);  // more pressure above: nothing
  EXPECT_FALSE(hasText("F"));
}

TEST_F(SceneTest, AShortHorizontalComponentHasNoHead) {
  setUp(0.2, 110000, 100000);  // F = 20, F sin(alpha) about 4
  ASSERT_TRUE(hasText("Fy = 19.60 H"));
  // The horizontal component is the line along the centre's row; nothing follows it
  // before the arc but the move to the centre.
  const auto it = std::find(canvas.calls.begin(), canvas.calls.end(), "line (303,200)");
  ASSERT_NE(it, canvas.calls.end());
  EXPECT_EQ(*(it + 1), "move (300,200)");
  EXPECT_EQ((it + 2)->rfind("arc", 0), 0u);
  // The vertical component keeps its head.
  EXPECT_TRUE(canvas.contains("line (300,180)"));
  EXPECT_TRUE(canvas.contains("move (300,180)"));
}

TEST_F(SceneTest, AFlatPlateShowsZeroDegrees) {
  setUp(0.0, 100000, 100000);
  EXPECT_FALSE(hasText("F"));
  EXPECT_TRUE(canvas.contains("arc (300,200) 25 180.000000 -0.000000") ||
              canvas.contains("arc (300,200) 25 180.000000 0.000000"));
  EXPECT_EQ(canvas.lastUtf16, u"\u03b1 = 0.00\u00b0");
}

TEST_F(SceneTest, UpToATenthOfARadianBothFacesFeelTheFreeStream) {
  model.setView(600, 400);
  model.setFreeStream(450, 273, 100000);
  for (const double alpha : {0.0, 0.1}) {
    model.setPlateAngle(alpha);
    const FacePressures faces = model.facePressures();
    EXPECT_EQ(faces.above, 100000) << alpha;
    EXPECT_EQ(faces.below, 100000) << alpha;
  }
}
