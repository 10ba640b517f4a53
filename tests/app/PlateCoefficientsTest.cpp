// SPDX-License-Identifier: GPL-3.0-or-later
// Coefficient rows: which theories answer at which angle, and the model asked in a copy of
// its own gives exactly what the session's model gives, without touching the session.
#include "app/PlateCoefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "app/FieldLogic.h"
#include "app/TheoryReport.h"
#include "support/TypedFlow.h"
#include "theory/Busemann.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Flow = TypedFlow;

TEST(PlateCoefficients, EachTheoryAnswersWhereItHasAMeaning) {
  const struct {
    const char* velocity;
    double alphaDeg;
    theory::Regime regime;
    bool exact, theories, model;  // exact shock-expansion; Ackeret and Busemann; the model
  } cases[] = {
      {"900", 5.0, theory::Regime::ShockExpansion, true, true, true},
      {"900", 0.0, theory::Regime::MachWaves, true, true, true},
      {"900", 50.0, theory::Regime::Detached, false, true, true},
      // The model's own lower shock gives up at steep angles, its upper fan below M₁ = 1.
      {"900", 75.0, theory::Regime::Detached, false, true, false},
      {"900", 80.0, theory::Regime::Detached, false, true, false},
      {"300", 10.0, theory::Regime::Subsonic, false, false, false},
      {"900", -1.0, theory::Regime::InvalidInput, false, false, false},
      {"900", kNaN, theory::Regime::InvalidInput, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.velocity << " m/s at " << c.alphaDeg << "°");
    Flow flow(c.velocity);
    CoefficientSweep sweep(flow.model);
    const CoefficientRow row = sweep.at(c.alphaDeg);
    EXPECT_EQ(row.regime, c.regime);
    EXPECT_EQ(row.shockAngle.has_value(), c.exact);
    EXPECT_EQ(row.lift.has_value(), c.exact);
    EXPECT_EQ(row.drag.has_value(), c.exact);
    EXPECT_EQ(row.liftToDrag.has_value(), c.exact && c.alphaDeg > 0.0);
    EXPECT_EQ(row.linearLift.has_value(), c.theories);
    // Second and third order are series about an attached shock.
    EXPECT_EQ(row.secondOrderLowerPressure.has_value(), c.exact);
    EXPECT_EQ(row.thirdOrderDrag.has_value(), c.exact);
    EXPECT_EQ(row.modelLift.has_value(), c.model);
    EXPECT_EQ(row.modelDrag.has_value(), c.model);
    if (c.theories) {
      const double alpha = c.alphaDeg * std::numbers::pi / 180.0;
      if (c.exact) {
        const auto second = *theory::busemannPlate(sweep.mach(), alpha);
        EXPECT_EQ(*row.secondOrderUpperPressure, second.upperPressure);
        EXPECT_EQ(*row.thirdOrderLift, theory::thirdOrderPlate(sweep.mach(), alpha)->lift);
      }
      const auto exact = theory::solveFlatPlate({.mach = sweep.mach(), .angleOfAttack = alpha});
      EXPECT_EQ(*row.linearLift, exact.linear->lift);
      if (c.exact) {
        EXPECT_EQ(*row.lift, exact.exact->lift);
      }
    }
  }
}

TEST(PlateCoefficients, TheCopyAnswersBitForBitAsTheSessionAndLeavesItAlone) {
  const struct {
    const char* velocity;
    int width, height;
  } flows[] = {{"450", 672, 465}, {"900", 672, 465}, {"900", 300, 200}, {"1500", 40, 30}};
  for (const auto& f : flows) {
    for (int step = 0; step <= 15; ++step) {
      const double alphaDeg = 5.0 * step;
      SCOPED_TRACE(testing::Message() << f.velocity << " m/s, " << f.width << "x" << f.height
                                      << ", " << alphaDeg << "°");
      Flow flow(f.velocity, alphaDeg, f.width, f.height);
      const TheoryReport before = makeTheoryReport(flow.model);
      const double angleBefore = flow.model.angle;
      const auto own = modelCoefficients(flow.model);
      CoefficientSweep sweep(flow.model);
      sweep.at(12.0);  // turned elsewhere first: nothing of it may linger
      const CoefficientRow row = sweep.at(alphaDeg);
      ASSERT_EQ(row.modelLift.has_value(), own.has_value());
      if (own) {
        EXPECT_EQ(*row.modelLift, own->lift);
        EXPECT_EQ(*row.modelDrag, own->drag);
      }
      EXPECT_EQ(flow.model.angle, angleBefore);
      const TheoryReport after = makeTheoryReport(flow.model);
      EXPECT_EQ(after.lower.modelPressure, before.lower.modelPressure);
      EXPECT_EQ(after.upper.modelPressure, before.upper.modelPressure);
    }
  }
  // Steep enough for the model's faces to differ, the model carries a real load.
  Flow steep("900", 30.0);
  const auto c = modelCoefficients(steep.model).value();
  EXPECT_GT(c.lift, 0.0);
  EXPECT_NEAR(c.drag / c.lift, std::tan(steep.model.angle), 1e-12);
}

TEST(PlateCoefficients, AFreeStreamWithoutMeaningGivesNoModelCoefficients) {
  FlowModel model;
  model.setView(672, 465);
  StoredFieldTexts fields;
  attachFields(fields);
  fields.setText(FieldId::P1, "0");
  recomputeFreeStream(fields, model);  // p₁ = 0: every p/p₁ is 0/0
  model.setPlateAngle(0.5);
  EXPECT_FALSE(modelCoefficients(model).has_value());
  EXPECT_FALSE(CoefficientSweep(model).at(20.0).modelLift.has_value());
}

}  // namespace
