// SPDX-License-Identifier: GPL-3.0-or-later
// A session is the window at start-up, turned and run in a fixed order.
#include "session/Session.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "platform/FixedText.h"

namespace {

std::uint64_t bits(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

// Every tracer and bubble, bit for bit: the fans remember the order they were asked in,
// so any change of order shows up here.
void expectSameTracers(const Session& a, const Session& b) {
  const auto& ta = a.animation().tracers();
  const auto& tb = b.animation().tracers();
  ASSERT_EQ(ta.size(), tb.size());
  for (std::size_t i = 0; i < ta.size(); ++i) {
    ASSERT_EQ(bits(ta[i].x), bits(tb[i].x)) << i;
    ASSERT_EQ(bits(ta[i].y), bits(tb[i].y)) << i;
    ASSERT_EQ(bits(ta[i].vx), bits(tb[i].vx)) << i;
    ASSERT_EQ(bits(ta[i].vy), bits(tb[i].vy)) << i;
    ASSERT_EQ(ta[i].turned, tb[i].turned) << i;
    ASSERT_EQ(ta[i].captured, tb[i].captured) << i;
  }
  for (std::size_t i = 0; i < a.animation().bubbles().size(); ++i) {
    EXPECT_EQ(bits(a.animation().bubbles()[i]->x), bits(b.animation().bubbles()[i]->x));
    EXPECT_EQ(bits(a.animation().bubbles()[i]->y), bits(b.animation().bubbles()[i]->y));
  }
}

// The angle the model gets from one drag on a fresh plate, without any view.
double dragAngle(int width, int height, int x, int y) {
  FlowModel model;
  model.setView(width, height);
  model.dragPlate(1, x, y);
  return model.angle;
}

TEST(Session, StartsAsTheWindowDoes) {
  const Session s{SessionOptions{}};
  const std::pair<FieldId, const char*> shown[] = {{FieldId::V1, "450.0"},
                                                   {FieldId::T1, "273.0"},
                                                   {FieldId::P1, "100000"},
                                                   {FieldId::Rho1, "1.234"},
                                                   {FieldId::M1, "1.336"}};
  for (const auto& [id, text] : shown) EXPECT_EQ(s.fields().text(id), text);
  EXPECT_EQ(s.model().density, 1.234);
  EXPECT_EQ(s.model().velocity, 450.0);
  // The start-up drag at (0, 0) points the leading edge at the top-left corner.
  const double expected = std::asin(232.0 / std::sqrt(336.0 * 336.0 + 232.0 * 232.0));
  EXPECT_EQ(bits(s.model().angle), bits(expected));
  EXPECT_EQ(fixedText(s.model().angle * 57.29577951308232, 2), "34.62");
  EXPECT_EQ(s.animation().tracers().size(), 10000u);
  EXPECT_EQ(s.animation().bubbles().size(), 2u);
  EXPECT_EQ(s.picture().width(), 672);
  EXPECT_EQ(s.picture().height(), 465);
  EXPECT_EQ(s.host().timerInterval, FlowAnimation::kStartInterval);
}

TEST(Session, FreeStreamTextsAreReadAsTheFieldsReadThem) {
  SessionOptions o;
  o.velocity = "900 m/s";
  o.temperature = "abc";  // no number: 0
  o.pressure = " 5e4x";
  const Session s{o};
  EXPECT_EQ(s.fields().text(FieldId::V1), "900 m/s");  // left as typed
  EXPECT_EQ(s.model().velocity, 900.0);
  EXPECT_EQ(s.model().temperature, 0.0);
  EXPECT_EQ(s.model().pressure, 50000.0);
  // ρ₁ is infinite and shown as "inf", which the field reads back as 0.
  EXPECT_EQ(s.fields().text(FieldId::Rho1), "inf");
  EXPECT_EQ(s.model().density, 0.0);
}

struct AngleCase {
  const char* name;
  double degrees;
  double expected;  // rad
  friend void PrintTo(const AngleCase& c, std::ostream* os) { *os << c.name; }
};

class AngleOption : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleOption, IsDegreesTimesPiOver180Clamped) {
  SessionOptions o;
  o.angle = GetParam().degrees;
  const Session s{o};
  EXPECT_EQ(bits(s.model().angle), bits(GetParam().expected));
  EXPECT_EQ(s.model().leadingEdgeY, s.model().centreY - 100.0 * std::sin(s.model().angle));
}

INSTANTIATE_TEST_SUITE_P(
    , AngleOption,
    ::testing::Values(AngleCase{"Zero", 0.0, 0.0}, AngleCase{"MinusZero", -0.0, 0.0},
                      AngleCase{"Negative", -5.0, 0.0},
                      AngleCase{"Fractional", 33.3, 33.3 * std::numbers::pi / 180},
                      AngleCase{"SeventyFive", 75.0,
                                std::min(75.0 * std::numbers::pi / 180, FlowModel::kMaxAngle)},
                      AngleCase{"Beyond", 80.0, FlowModel::kMaxAngle},
                      AngleCase{"NotANumber", std::nan(""), 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Session, AZeroAngleLabelHasNoMinusSign) {
  SessionOptions o;
  o.angle = -0.0;
  const Session s{o};
  EXPECT_FALSE(std::signbit(s.model().angle));
  EXPECT_EQ(fixedText(s.model().angle * 57.29577951308232, 2), "0.00");
}

TEST(Session, DragsApplyInOrderAndTheAngleComesAfterThem) {
  SessionOptions towardsCorner;
  towardsCorner.drags = {{600, 400}, {10, 20}};
  EXPECT_EQ(bits(Session{towardsCorner}.model().angle), bits(dragAngle(672, 465, 10, 20)));

  SessionOptions reversed;
  reversed.drags = {{10, 20}, {600, 400}};
  EXPECT_EQ(bits(Session{reversed}.model().angle), bits(dragAngle(672, 465, 600, 400)));

  SessionOptions dragThenAngle = reversed;
  dragThenAngle.angle = 12.5;
  EXPECT_EQ(bits(Session{dragThenAngle}.model().angle), bits(12.5 * std::numbers::pi / 180));
}

TEST(Session, TicksRunLastAsTheWindowsTimerWould) {
  SessionOptions turned;
  turned.drags = {{600, 400}};
  turned.angle = 20.0;
  SessionOptions withTicks = turned;
  withTicks.ticks = 90;  // long enough for tracers to meet the fronts

  const Session ticked{withTicks};
  Session byHand{turned};
  for (int i = 0; i < 90; ++i) byHand.animation().onTick();
  expectSameTracers(ticked, byHand);
  EXPECT_TRUE(ticked.picture() == byHand.picture());

  // Ticking before the turn is a different history.
  SessionOptions flat;
  flat.ticks = 90;
  Session ticksFirst{flat};
  ticksFirst.animation().onMouseMove(1, 600, 400);
  ticksFirst.animation().turnPlate(20.0 * std::numbers::pi / 180);
  bool differs = false;
  for (std::size_t i = 0; i < 10000 && !differs; ++i) {
    const Tracer& a = ticksFirst.animation().tracers()[i];
    const Tracer& b = ticked.animation().tracers()[i];
    differs = bits(a.x) != bits(b.x) || bits(a.y) != bits(b.y) || bits(a.vy) != bits(b.vy);
  }
  EXPECT_TRUE(differs);
}

}  // namespace
