// SPDX-License-Identifier: GPL-3.0-or-later
// The model beside exact theory: which values exist in each regime, and that asking leaves
// the animation's state alone.
#include "app/TheoryReport.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "app/FieldLogic.h"
#include "model/FanZone.h"
#include "model/FlowModel.h"
#include "model/LowerFan.h"
#include "model/UpperFan.h"

namespace {

// The window's start-up angle for its 672x465 picture: the leading edge at the top-left corner.
const double kStartUpAngle = std::asin(232.0 / std::sqrt(336.0 * 336.0 + 232.0 * 232.0));

struct Flow {
  Flow(const char* velocity, double alpha) {
    model.setView(672, 465);
    attachFields(fields);
    fields.setText(FieldId::V1, velocity);
    recomputeFreeStream(fields, model);
    model.setPlateAngle(alpha);
  }
  FlowModel model;
  StoredFieldTexts fields;
};

std::vector<std::optional<double>> everyValue(const TheoryReport& r) {
  std::vector<std::optional<double>> values = {r.maxDeflection, r.normalForce, r.lift,
                                               r.drag,          r.liftToDrag,  r.linearLift,
                                               r.linearDrag,    r.liftLoad,    r.dragLoad};
  for (const FaceReport* f : {&r.lower, &r.upper}) {
    for (const auto& v : {f->waveAngle, f->mach, f->pressure, f->temperature, f->density,
                          f->modelPressure, f->modelOverExact})
      values.push_back(v);
  }
  return values;
}

struct RegimeCase {
  const char* name;
  const char* velocity;  // V1 field text
  double alpha;          // rad
  theory::Regime regime;
  bool faces;  // exact face states and coefficients exist
  friend void PrintTo(const RegimeCase& c, std::ostream* os) { *os << c.name; }
};

class Regimes : public ::testing::TestWithParam<RegimeCase> {};

TEST_P(Regimes, GiveTheTheorysAnswerAndOnlyRealNumbers) {
  const RegimeCase& c = GetParam();
  Flow flow(c.velocity, c.alpha);
  const TheoryReport r = makeTheoryReport(flow.model);
  EXPECT_EQ(r.regime, c.regime) << r.message;
  EXPECT_EQ(r.mach, flow.model.deriveFreeStream().mach);
  EXPECT_EQ(r.density, flow.model.deriveFreeStream().density);  // derived, not as shown (1.234)
  EXPECT_EQ(r.lower.pressure.has_value(), c.faces);
  EXPECT_EQ(r.upper.pressure.has_value(), c.faces);
  EXPECT_EQ(r.lift.has_value(), c.faces);
  EXPECT_EQ(r.liftLoad.has_value(), c.faces);
  for (const auto& v : everyValue(r))
    if (v) {
      EXPECT_TRUE(std::isfinite(*v));
    }
  for (const FaceReport* f : {&r.lower, &r.upper}) {
    // The comparison is there exactly when both sides of it are.
    EXPECT_EQ(f->modelOverExact.has_value(),
              f->pressure.has_value() && f->modelPressure.has_value());
    if (f->modelOverExact) {
      EXPECT_EQ(*f->modelOverExact, *f->modelPressure / *f->pressure);
    }
  }
  for (const ReportLine& line : reportLines(r)) {
    EXPECT_EQ(line.value.find("nan"), std::string::npos) << line.label;
    EXPECT_EQ(line.value.find("inf"), std::string::npos) << line.label;
  }
}

INSTANTIATE_TEST_SUITE_P(
    , Regimes,
    ::testing::Values(RegimeCase{"DefaultAtStartUp", "450", kStartUpAngle, theory::Regime::Detached,
                                 false},
                      RegimeCase{"FastAtFiveDegrees", "900", 5 * std::numbers::pi / 180,
                                 theory::Regime::ShockExpansion, true},
                      RegimeCase{"FastSteep", "900", 20 * std::numbers::pi / 180,
                                 theory::Regime::ShockExpansion, true},
                      RegimeCase{"Flat", "900", 0.0, theory::Regime::MachWaves, true},
                      RegimeCase{"Subsonic", "300", kStartUpAngle, theory::Regime::Subsonic, false},
                      RegimeCase{"AtRest", "0", 0.3, theory::Regime::Subsonic, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TheoryReport, DetachedAtStartUpNamesThetaMaxAndKeepsTheModelsFaces) {
  Flow flow("450", kStartUpAngle);
  const TheoryReport r = makeTheoryReport(flow.model);
  EXPECT_EQ(r.message,
            "Detached shock: α = 34.62° is above θmax = 7.65°, so this picture cannot exist.");
  ASSERT_TRUE(r.maxDeflection);
  EXPECT_NEAR(*r.maxDeflection, 7.65, 0.005);
  // Linear theory has an answer wherever M₁ > 1; the model always has its face pressures.
  EXPECT_TRUE(r.linearLift && r.linearDrag);
  ASSERT_TRUE(r.lower.modelPressure && r.upper.modelPressure);
  EXPECT_GT(*r.lower.modelPressure, 1.0);
  EXPECT_LT(*r.upper.modelPressure, 1.0);
  EXPECT_FALSE(r.lower.modelOverExact);
}

TEST(TheoryReport, ShockExpansionAtFiveDegreesAgreesWithLinearTheoryRoughly) {
  Flow flow("900", 5 * std::numbers::pi / 180);
  const TheoryReport r = makeTheoryReport(flow.model);
  ASSERT_TRUE(r.lift && r.drag && r.liftToDrag && r.linearLift && r.liftLoad);
  EXPECT_NEAR(*r.lift, *r.linearLift, 0.02 * *r.linearLift);
  EXPECT_NEAR(*r.liftToDrag, 1.0 / std::tan(r.angle), 1e-9);
  // q₁ = ½γp₁M₁² from the stream itself; the density field's rounding (1.274 as 1.274...)
  // never enters. At 30 Pa the field shows ρ₁ = 0.000 and the lift must still be there.
  const double mach = flow.model.deriveFreeStream().mach;
  EXPECT_NEAR(*r.liftLoad, *r.lift * 0.5 * 1.4 * 100000 * mach * mach, 1e-12 * *r.liftLoad);
  Flow thin("900", 10 * std::numbers::pi / 180);
  thin.fields.setText(FieldId::P1, "30");
  recomputeFreeStream(thin.fields, thin.model);
  const TheoryReport t = makeTheoryReport(thin.model);
  EXPECT_NEAR(*t.liftLoad, 43.07, 0.005);
  EXPECT_GT(*r.lower.pressure, 1.0);
  EXPECT_LT(*r.upper.pressure, 1.0);
  // Below 0.1 rad the model's force estimate samples the free stream.
  EXPECT_EQ(r.lower.modelPressure, 1.0);
}

TEST(TheoryReport, AFreeStreamWithoutMeaningLeavesEveryTheoryValueAbsent) {
  FlowModel model;
  model.setView(672, 465);
  StoredFieldTexts fields;
  attachFields(fields);
  fields.setText(FieldId::T1, "0");
  fields.setText(FieldId::P1, "0");
  recomputeFreeStream(fields, model);  // c₁ = 0: M₁ is infinite, P1 = 0 makes p/p₁ 0/0
  model.setPlateAngle(0.5);
  const TheoryReport r = makeTheoryReport(model);
  EXPECT_EQ(r.regime, theory::Regime::AbsoluteZero);
  for (const auto& v : everyValue(r)) EXPECT_FALSE(v.has_value());
  // Only the four inputs, the regime and the fixed note have something to say.
  for (const ReportLine& line : reportLines(r)) {
    const bool given = line.key == "mach" || line.key == "alpha" || line.key == "density" ||
                       line.key == "velocity" || line.key == "regime" || line.key == "regime_key" ||
                       line.key == "second_order_note";
    if (!given) EXPECT_EQ(line.value, "—") << line.label;
  }
}

TEST(TheoryReport, LeavesTheFansSamplingScratchAsItWas) {
  Flow flow("450", 0.6);
  FreeStream fs = shownFreeStream(flow.fields);
  // Probes leave scratch in both fans, which the next tracer or probe would see.
  flow.model.sample(430, 200, fs);
  flow.model.sample(450, 330, fs);
  const auto scratch = [&flow] {
    const FanZone& lower = flow.model.lowerFan();
    const FanZone& upper = flow.model.upperFan();
    return std::array<std::uint64_t, 4>{std::bit_cast<std::uint64_t>(lower.lastValue),
                                        std::bit_cast<std::uint64_t>(lower.lastChange),
                                        std::bit_cast<std::uint64_t>(upper.lastValue),
                                        std::bit_cast<std::uint64_t>(upper.lastChange)};
  };
  const auto before = scratch();
  const FlowSample probeBefore = flow.model.sample(440, 210, fs);
  flow.model.sample(430, 200, fs);
  flow.model.sample(450, 330, fs);
  (void)makeTheoryReport(flow.model);
  EXPECT_EQ(scratch(), before);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(flow.model.sample(440, 210, fs).pressure),
            std::bit_cast<std::uint64_t>(probeBefore.pressure));
}

TEST(TheoryReport, LinesShowAbsentValuesAsADashAndAnglesInDegrees) {
  Flow flow("450", kStartUpAngle);
  const auto lines = reportLines(makeTheoryReport(flow.model));
  const auto value = [&lines](const std::string& label) {
    for (const ReportLine& l : lines)
      if (l.label == label) return l.value;
    return std::string("missing");
  };
  EXPECT_EQ(value("α"), "34.62°");
  EXPECT_EQ(value("θmax"), "7.65°");
  EXPECT_EQ(value("regime key"), "detached");
  EXPECT_EQ(value("θ_s (M₂ = 1)"), "7.28°");
  EXPECT_EQ(value("lower β"), "—");
  EXPECT_EQ(value("c_l"), "—");
  EXPECT_EQ(value("V₁"), "450.0 m/s");
}

}  // namespace
