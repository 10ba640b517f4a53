// SPDX-License-Identifier: GPL-3.0-or-later
// The chart numbers: where the operating point and the model's front stand for each regime,
// that the curves meet where the theory says they must, that the loads agree with the sweep
// rows they come from, and that a new α reuses the sweep while a new free stream does not.
#include "app/ChartSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "app/FieldLogic.h"
#include "app/PlateCoefficients.h"
#include "support/TypedFlow.h"
#include "theory/ObliqueShock.h"
#include "theory/PerfectGas.h"

namespace {

using Flow = TypedFlow;

TEST(ChartSeries, MarkersForEachRegime) {
  const struct {
    const char* velocity;
    double alphaDeg;
    OperatingPoint state;
  } cases[] = {
      {"450", 5.0, OperatingPoint::Attached},   // M₁ 1.336, θmax 7.65°
      {"450", 0.0, OperatingPoint::Attached},   // the Mach wave
      {"450", 10.0, OperatingPoint::Detached},  // past θmax
      {"900", 75.0, OperatingPoint::Detached}, {"300", 10.0, OperatingPoint::Absent},  // subsonic
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.velocity) + " m/s at " + std::to_string(c.alphaDeg) + "°");
    Flow flow(c.velocity, c.alphaDeg);
    ChartSeriesBuilder builder;
    const ThetaBetaSeries& chart = builder.update(flow.model).thetaBeta;
    ASSERT_EQ(chart.state, c.state);
    const double mach = flow.model.deriveFreeStream().mach;
    const double alpha = flow.model.angle;
    if (c.state == OperatingPoint::Absent) {
      EXPECT_FALSE(chart.exact);
      EXPECT_FALSE(chart.current);
    } else if (c.state == OperatingPoint::Attached) {
      EXPECT_DOUBLE_EQ(chart.exact->x, c.alphaDeg);
      EXPECT_DOUBLE_EQ(chart.exact->y, theory::degrees(*theory::weakShockAngle(mach, alpha)));
    } else {
      const auto top = theory::maxDeflection(mach);
      EXPECT_DOUBLE_EQ(chart.exact->x, theory::degrees(top->deflection));
      EXPECT_DOUBLE_EQ(chart.exact->y, theory::degrees(top->shockAngle));
    }
    // The model's rule, whatever the flow: the front at α + 0.6α + π/5.2 to the free stream,
    // with the front's own part no steeper than 90°.
    const double front = std::min(0.6 * alpha + std::numbers::pi / 5.2, std::numbers::pi / 2);
    ASSERT_TRUE(chart.model);
    EXPECT_NEAR(chart.model->y, theory::degrees(alpha + front), 1e-9);
  }
}

TEST(ChartSeries, BranchesMeetAtThetaMaxAndEndAtTheMachAngleAndTheNormalShock) {
  Flow flow("900", 5.0);  // M₁ 2.67
  ChartSeriesBuilder builder;
  const ThetaBetaSeries& chart = builder.update(flow.model).thetaBeta;
  ASSERT_EQ(chart.references.size(), std::size(kReferenceMachs));
  ASSERT_TRUE(chart.current);
  std::vector<ShockCurves> all = chart.references;
  all.push_back(*chart.current);
  for (const ShockCurves& c : all) {
    SCOPED_TRACE(c.mach);
    const auto top = theory::maxDeflection(c.mach);
    ASSERT_FALSE(c.weak.empty());
    ASSERT_FALSE(c.strong.empty());
    EXPECT_NEAR(c.weak.front().x, 0.0, 1e-9);
    EXPECT_NEAR(c.weak.front().y, theory::degrees(std::asin(1 / c.mach)), 1e-9);
    EXPECT_DOUBLE_EQ(c.weak.back().x, theory::degrees(top->deflection));
    EXPECT_DOUBLE_EQ(c.strong.front().y, c.weak.back().y);
    EXPECT_NEAR(c.strong.back().x, 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(c.strong.back().y, 90.0);
  }
  // The locus runs from the sonic point to the hypersonic limit, θmax → 45.58°.
  EXPECT_DOUBLE_EQ(chart.maxLocus.front().y, 90.0);
  EXPECT_NEAR(chart.maxLocus.back().x, 45.58, 0.01);
  // The sonic line M₂ = 1 starts there too and stays just left of the θmax locus, meeting it
  // again in the hypersonic limit.
  ASSERT_EQ(chart.sonicLocus.size(), chart.maxLocus.size());
  EXPECT_DOUBLE_EQ(chart.sonicLocus.front().y, 90.0);
  for (std::size_t i = 1; i < chart.sonicLocus.size(); ++i)
    EXPECT_LE(chart.sonicLocus[i].x, chart.maxLocus[i].x) << i;
}

TEST(ChartSeries, LoadsAreTheSweepRowsAndTheExactCurveEndsAtThetaMax) {
  Flow flow("900", 20.0);
  ChartSeriesBuilder builder;
  const ChartSeries& series = builder.update(flow.model);
  const LoadsSeries& loads = series.loads;
  const double thetaMax = *series.thetaBeta.maxDeflection;  // 31.5°
  // Past some angle the model's own faces have no pressure at this speed: fewer points.
  ASSERT_LE(loads.model.lift.size(), kSweepSteps + 1u);
  ASSERT_EQ(loads.ackeret.lift.size(), kSweepSteps + 1u);
  // Third order is a series about the attached shock: it ends with the grid angle before θmax.
  ASSERT_EQ(loads.thirdOrder.drag.size(), loads.exact.drag.size() - 1);
  EXPECT_LT(loads.thirdOrder.lift.back().x, thetaMax);
  // The chart marks where the shock detaches and where the fan would reach vacuum.
  EXPECT_EQ(loads.maxDeflection, thetaMax);
  EXPECT_FALSE(loads.vacuumAngle.has_value());  // ν_max − ν(2.67) ≈ 87°: beyond 75°
  EXPECT_DOUBLE_EQ(loads.exact.lift.back().x, thetaMax);
  EXPECT_LT(loads.exact.lift[loads.exact.lift.size() - 2].x, thetaMax);

  CoefficientSweep rows(flow.model);
  for (const std::size_t i : {0u, 50u, 200u, 300u}) {
    SCOPED_TRACE(i);
    const CoefficientRow row = rows.at(loads.model.lift[i].x);
    EXPECT_EQ(loads.model.lift[i].y, *row.modelLift);
    EXPECT_EQ(loads.model.drag[i].y, *row.modelDrag);
    const CoefficientRow grid = rows.at(loads.thirdOrder.lift[i].x);
    EXPECT_EQ(loads.thirdOrder.lift[i].y, *grid.thirdOrderLift);
    EXPECT_EQ(loads.ackeret.drag[i].y, *grid.linearDrag);
    if (grid.lift) {
      EXPECT_EQ(loads.exact.lift[i].y, *grid.lift);
    }
  }
  EXPECT_GE(loads.highest, loads.exact.lift.back().y);
}

TEST(ChartSeries, ANewAngleMovesTheMarkersOnlyANewFreeStreamSweepsAgain) {
  Flow flow("450", 5.0);
  ChartSeriesBuilder builder;
  const int first = builder.update(flow.model).curvesRevision;
  flow.turn(6.0);
  const ChartSeries& turned = builder.update(flow.model);
  EXPECT_EQ(turned.curvesRevision, first);
  EXPECT_DOUBLE_EQ(turned.alpha, 6.0);
  EXPECT_DOUBLE_EQ(turned.thetaBeta.exact->x, 6.0);

  flow.fields.setText(FieldId::V1, "900");
  recomputeFreeStream(flow.fields, flow.model);
  const ChartSeries& faster = builder.update(flow.model);
  EXPECT_NE(faster.curvesRevision, first);
  EXPECT_NEAR(faster.thetaBeta.current->mach, 2.672, 1e-3);
}

TEST(ChartSeries, ThinningKeepsEveryPointWithinTheTolerance) {
  ChartCurve straight;
  ChartCurve bent;
  for (int i = 0; i <= 750; ++i) {
    const double x = i * 0.1;
    straight.push_back({x, 2 * x});
    bent.push_back({x, std::sin(x / 10)});
  }
  EXPECT_EQ(thinnedCurve(straight, 75, 150, 1e-4).size(), 2u);
  const double tolerance = 1e-3;
  const ChartCurve thinned = thinnedCurve(bent, 75, 2, tolerance);
  EXPECT_LT(thinned.size(), bent.size() / 5);
  EXPECT_EQ(thinned.front().x, 0.0);
  EXPECT_EQ(thinned.back().x, bent.back().x);
  // Each dropped point lies within the tolerance of the line drawn in its place, measured
  // across the line with both axes in units of the plot.
  std::size_t k = 0;
  for (const ChartPoint& p : bent) {
    while (thinned[k + 1].x < p.x) ++k;
    const double ax = thinned[k].x / 75, ay = thinned[k].y / 2;
    const double dx = thinned[k + 1].x / 75 - ax, dy = thinned[k + 1].y / 2 - ay;
    const double across =
        std::fabs((p.x / 75 - ax) * dy - (p.y / 2 - ay) * dx) / std::hypot(dx, dy);
    EXPECT_LE(across, tolerance) << p.x;
  }
}

TEST(ChartSeries, PartsBelowTheTopEndAndBeginOnIt) {
  // Up through the top, down through it, and up again: two parts, cut where y = 1.
  const ChartCurve curve = {{0, 0}, {1, 2}, {2, 2}, {3, 0}, {4, 0.5}, {5, 3}};
  const std::vector<ChartCurve> parts = partsBelow(curve, 1.0);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].size(), 2u);
  EXPECT_DOUBLE_EQ(parts[0].back().x, 0.5);
  EXPECT_DOUBLE_EQ(parts[0].back().y, 1.0);
  ASSERT_EQ(parts[1].size(), 4u);
  EXPECT_DOUBLE_EQ(parts[1].front().x, 2.5);
  EXPECT_DOUBLE_EQ(parts[1].back().x, 4.2);
  EXPECT_TRUE(partsBelow({{0, 5}, {1, 6}}, 1.0).empty());
}

}  // namespace
