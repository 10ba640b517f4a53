// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a student types into the free-stream fields and wherever the mouse goes, a
// session keeps running, shows what the formulas give and never paints outside its picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iostream>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "app/NumberText.h"
#include "canvas/Canvas.h"
#include "session/Session.h"
#include "view/GuardedImage.h"
#include "view/ImageCanvas.h"
#include "view/ViewHost.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTicks = 30;
// Far beyond any picture, yet far from the ends of int.
constexpr int kFar = 1000000;
// A generous guard against a hang; a case normally takes a small fraction of it.
constexpr double kCaseLimitMs = 10000;

struct BadText {
  const char* name;
  std::string text;
};

std::string hundredThousandDigits() {
  std::string digits;
  digits.reserve(100000);
  while (digits.size() < 100000) digits += "9876543210";
  return digits;
}

const std::vector<BadText>& badTexts() {
  static const std::vector<BadText> texts = {
      {"empty", ""},
      {"letters", "abc"},
      {"trailing letters", "12abc"},
      {"zero", "0"},
      {"minus zero", "-0"},
      {"negative", "-450"},
      {"overflow", "1e309"},
      {"negative overflow", "-1e309"},
      {"subnormal", "1e-320"},
      {"nan", "nan"},
      {"inf", "inf"},
      {"hexadecimal", "0x10"},
      {"leading space", " 450"},
      {"exponent", "4.5e2"},
      {"bare exponent", "1e"},
      {"bare point", "."},
      {"full-width digits", "\xef\xbc\x91\xef\xbc\x92"},  // U+FF11 U+FF12
      {"100000 digits", hundredThousandDigits()},
  };
  return texts;
}

struct InputField {
  const char* name;
  FieldId id;
  std::optional<std::string> SessionOptions::*text;
};

constexpr InputField kInputs[] = {{"V1", FieldId::V1, &SessionOptions::velocity},
                                  {"T1", FieldId::T1, &SessionOptions::temperature},
                                  {"P1", FieldId::P1, &SessionOptions::pressure}};

struct PlateAngle {
  const char* name;
  double radians;  // what the model must hold
};

constexpr PlateAngle kAngles[] = {{"0 deg", 0.0},
                                  {"0.1 rad", 0.1},
                                  {"45 deg", 45 * std::numbers::pi / 180},
                                  {"75 deg", FlowModel::kMaxAngle}};

// Test names and failure messages show the angle by its name.
void PrintTo(const PlateAngle& angle, std::ostream* out) {
  *out << angle.name;
}

// The leading edge of the start-up plate, where a student grabs it first.
PixelPoint startUpLeadingEdge(int width, int height) {
  FlowModel model;
  model.setView(width, height);
  model.dragPlate(FlowAnimation::kLeftButton, 0, 0);
  return {static_cast<int>(model.centreX - model.halfLength * std::cos(model.angle)),
          static_cast<int>(model.centreY - model.halfLength * std::sin(model.angle))};
}

// The leading edge, the corners, the centre, then far outside along each axis.
std::vector<PixelPoint> mousePoints(int width, int height) {
  const int right = std::max(width - 1, 0);
  const int bottom = std::max(height - 1, 0);
  return {startUpLeadingEdge(width, height),
          {0, 0},
          {right, 0},
          {0, bottom},
          {right, bottom},
          {width / 2, height / 2},
          {kFar, height / 2},
          {-kFar, height / 2},
          {width / 2, kFar},
          {width / 2, -kFar},
          {kFar, kFar},
          {-kFar, -kFar}};
}

// The frame drawn into memory with sentinels around it: a write outside the
// picture shows as a changed sentinel even where no sanitizer runs.
class GuardedHost final : public ViewHost {
 public:
  void createFrame(int width, int height) override {
    canvas.bind(nullptr);
    image = std::make_unique<GuardedImage>(std::max(width, 0), std::max(height, 0));
    canvas.bind(&image->image());
  }
  Canvas& frameCanvas() override { return canvas; }
  void present() override {}
  void startTimer(int) override {}
  void stopTimer() override {}
  void requestProbe(int, int) override {}

  bool intact() const { return image && image->intact(); }

 private:
  std::unique_ptr<GuardedImage> image;
  ImageCanvas canvas;
};

// The session's own picture, drawn again into guarded memory: the same model, drags,
// angle and a few ticks.
testing::AssertionResult drawsInsideItsPicture(Session& s, const std::vector<PixelPoint>& drags,
                                               double angle, int width, int height) {
  GuardedHost host;
  FlowAnimation mirror(s.model(), host);
  mirror.attach(width, height);
  for (const PixelPoint& p : drags) mirror.onMouseMove(FlowAnimation::kLeftButton, p.x, p.y);
  mirror.turnPlate(angle);
  for (int i = 0; i < 3; ++i) mirror.onTick();
  if (host.intact()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "a pixel was written outside the frame";
}

// Each derived free-stream field shows the formula's value by the number text rules.
void expectHonestFreeStream(const Session& s) {
  const FreeStreamDerived d = s.model().deriveFreeStream();
  const std::pair<FieldId, double> shown[] = {{FieldId::Rho1, d.density},
                                              {FieldId::C1, d.soundSpeed},
                                              {FieldId::M1, d.mach},
                                              {FieldId::V01, d.specificVolume}};
  for (const auto& [id, value] : shown) EXPECT_EQ(s.fields().text(id), formatNumber(value));
  // The model computes with what the fields show.
  EXPECT_EQ(s.model().velocity, parseNumber(s.fields().text(FieldId::V1)));
  EXPECT_EQ(s.model().temperature, parseNumber(s.fields().text(FieldId::T1)));
  EXPECT_EQ(s.model().pressure, parseNumber(s.fields().text(FieldId::P1)));
  // ...the density included, as read back from its field ("inf" and "nan" read as 0).
  EXPECT_EQ(s.model().density, parseNumber(s.fields().text(FieldId::Rho1)));
}

void expectHonestProbe(const Session& s, const FlowSample& p) {
  const std::pair<FieldId, double> shown[] = {
      {FieldId::T, p.temperature}, {FieldId::P, p.pressure},       {FieldId::Rho, p.density},
      {FieldId::C, p.soundSpeed},  {FieldId::M, p.mach},           {FieldId::V0, p.specificVolume},
      {FieldId::V, p.speed},       {FieldId::Vphi, p.velocityPhi}, {FieldId::Vr, p.velocityR}};
  for (const auto& [id, value] : shown) EXPECT_EQ(s.fields().text(id), formatNumber(value));
}

struct PictureShape {
  int width = 0;
  int height = 0;
  qsizetype bytesPerLine = 0;
  QImage::Format format = QImage::Format_Invalid;
  bool operator==(const PictureShape&) const = default;
};

PictureShape shapeOf(const QImage& image) {
  return {image.width(), image.height(), image.bytesPerLine(), image.format()};
}

int failureCount() {
  const testing::TestResult* result =
      testing::UnitTest::GetInstance()->current_test_info()->result();
  int failed = 0;
  for (int i = 0; i < result->total_part_count(); ++i)
    failed += result->GetTestPartResult(i).failed();
  return failed;
}

struct CaseResult {
  double ms = 0;
  bool passed = false;
};

// One session through everything a student can do to it: drags, the angle, ticks, probes.
CaseResult runCase(const SessionOptions& options, double angle) {
  const int failuresBefore = failureCount();
  const Clock::time_point start = Clock::now();
  const int w = options.width;
  const int h = options.height;
  const std::vector<PixelPoint> points = mousePoints(w, h);

  SessionOptions o = options;
  o.drags = points;
  o.angle = angle * 180 / std::numbers::pi;
  Session s{o};
  const PictureShape shape = shapeOf(s.picture());
  // Degrees do not always come back as the very same radians.
  if (s.model().angle != angle) s.animation().turnPlate(angle);
  EXPECT_EQ(s.model().angle, angle);
  for (int i = 0; i < kTicks; ++i) s.animation().onTick();
  // A plain move over each point probes the flow there.
  for (const PixelPoint& p : points) s.animation().onMouseMove(0, p.x, p.y);
  expectHonestFreeStream(s);
  expectHonestProbe(s, s.probe(points.back()));
  for (const InputField& input : kInputs) {
    if (options.*input.text) {
      EXPECT_EQ(s.fields().text(input.id), *(options.*input.text));
    }
  }

  const QImage& picture = s.picture();
  EXPECT_EQ(shapeOf(picture), shape);
  if (w > 0 && h > 0) {
    EXPECT_EQ(picture.width(), w);
    EXPECT_EQ(picture.height(), h);
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
  } else {
    EXPECT_TRUE(picture.isNull());
  }
  EXPECT_TRUE(drawsInsideItsPicture(s, points, angle, w, h));

  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  EXPECT_LT(ms, kCaseLimitMs);
  return {ms, failureCount() == failuresBefore};
}

struct Summary {
  int run = 0;
  int passed = 0;
  double slowestMs = 0;
  std::string slowest;

  void add(const CaseResult& r, const std::string& name) {
    ++run;
    passed += r.passed;
    if (r.ms > slowestMs) {
      slowestMs = r.ms;
      slowest = name;
    }
  }
  void report(const std::string& title) const {
    std::cout << title << ": " << run << " cases run, " << passed << " passed, slowest "
              << slowestMs << " ms (" << slowest << ")\n";
    testing::Test::RecordProperty("cases", run);
    testing::Test::RecordProperty("passed", passed);
    testing::Test::RecordProperty("slowest_ms", static_cast<int>(std::ceil(slowestMs)));
  }
};

// One test per plate angle, so that the sweep spreads over the test runner's jobs.
class BadInputSweep : public testing::TestWithParam<PlateAngle> {};

TEST_P(BadInputSweep, EveryTextInEveryFieldKeepsTheSessionHonest) {
  Summary summary;
  for (const InputField& input : kInputs) {
    for (const BadText& bad : badTexts()) {
      const std::string name = std::string(input.name) + " = " + bad.name;
      SCOPED_TRACE(name);
      SessionOptions o;
      o.*input.text = bad.text;
      summary.add(runCase(o, GetParam().radians), name);
    }
  }
  EXPECT_EQ(summary.run, 54);
  summary.report(std::string("bad input at ") + GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Angles, BadInputSweep, testing::ValuesIn(kAngles),
                         [](const testing::TestParamInfo<PlateAngle>& info) {
                           return "Angle" + std::to_string(info.index);
                         });

struct PictureSize {
  int width;
  int height;
};

// Degenerate, tiny, odd and large pictures: the one fixed size of the window is
// no excuse for the frame code to assume it.
TEST(OddPictures, EverySizeRunsAndDrawsInsideItsPicture) {
  const PictureSize sizes[] = {{1, 1},    {2, 2}, {197, 300}, {2000, 1500}, {1, 1000},
                               {1000, 1}, {3, 1}, {0, 0},     {0, 465},     {672, 0}};
  Summary summary;
  for (const auto [w, h] : sizes) {
    for (const PlateAngle& angle : kAngles) {
      const std::string name = std::to_string(w) + "x" + std::to_string(h) + " at " + angle.name;
      SCOPED_TRACE(name);
      SessionOptions o;
      o.width = w;
      o.height = h;
      summary.add(runCase(o, angle.radians), name);
    }
  }
  summary.report("odd pictures");
}

}  // namespace
