// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers behind the two charts, as plain vectors: the θ-β-M curves with the plate's
// operating point, and the plate's lift and drag against α by four theories. The window and
// the batch tool draw these same numbers.
//
// Every point is a real number: a value a theory cannot give for a flow is left out of its
// curve, never a NaN.

#include <optional>
#include <vector>

#include "model/FlowModel.h"
#include "theory/FlatPlate.h"

struct ChartPoint {
  double x = 0.0;  // in the chart's horizontal unit (θ or α [°])
  double y = 0.0;  // in its vertical unit (β [°], or a coefficient [-])
};
using ChartCurve = std::vector<ChartPoint>;

// The two branches of θ-β-M for one Mach number, as (θ [°], β [°]).
struct ShockCurves {
  double mach = 0.0;  // M₁ [-]
  ChartCurve weak;    // from the Mach angle (θ = 0) up to β at θmax
  ChartCurve strong;  // from β at θmax up to the normal shock, β = 90°
};

// Where the plate's lower face stands on the θ-β-M chart.
enum class OperatingPoint {
  Attached,  // (α, β of the weak shock)
  Detached,  // α > θmax: the point sits on the θmax locus at (θmax, β*)
  Absent,    // no oblique shock at all: subsonic or invalid free stream
};

struct ThetaBetaSeries {
  std::optional<ShockCurves> current;   // the free stream's, when it is supersonic
  std::vector<ShockCurves> references;  // kReferenceMachs, drawn light
  ChartCurve maxLocus;                  // (θmax, β*) for M₁ from 1 to ∞
  ChartCurve sonicLocus;                // (θ_s, β) where M₂ = 1, for M₁ from 1 to ∞
  OperatingPoint state = OperatingPoint::Absent;
  std::optional<ChartPoint> exact;      // the lower face, as `state` says
  std::optional<ChartPoint> model;      // (α, α + the model's lower-front angle) [°]
  std::optional<double> maxDeflection;  // θmax(M₁) [°]
};

// One theory's coefficients against α, as (α [°], c [-]).
struct LoadCurves {
  ChartCurve lift;  // c_l
  ChartCurve drag;  // c_d
};

struct LoadsSeries {
  LoadCurves exact;                     // shock-expansion, ending where the lower shock detaches
  LoadCurves ackeret;                   // linear theory
  LoadCurves thirdOrder;                // third-order theory (second order gives Ackeret's loads)
  LoadCurves model;                     // the picture's own face pressures
  double lowest = 0.0;                  // the smallest coefficient on any curve, at most 0 [-]
  double highest = 1.0;                 // the largest that matters: see ChartSeries.cpp [-]
  std::optional<double> maxDeflection;  // θmax(M₁): the shock detaches beyond [°]
  std::optional<double> vacuumAngle;    // the upper fan reaches zero pressure from here [°]
  std::optional<double> modelEnd;       // the last α at which the model has a c_l [°]
};

struct ChartSeries {
  int curvesRevision = 0;  // counts the sweeps: the curves change only with it
  double mach = 0.0;       // M₁ [-]
  double alpha = 0.0;      // α [°]
  theory::Regime regime = theory::Regime::InvalidInput;  // of the free stream at α
  ThetaBetaSeries thetaBeta;
  LoadsSeries loads;
};

// The points of `curve` a line through them needs: a point whose distance from the line
// between its kept neighbours stays within `tolerance` goes, distances measured with x in
// units of `width` and y in units of `height`. The ends always stay. Drawing every point of a
// sweep costs the chart far more than computing it, for a line that looks the same.
ChartCurve thinnedCurve(const ChartCurve& curve, double width, double height, double tolerance);

// The parts of `curve` at or below `top`, in order: where the curve crosses y = top a part
// ends or begins at the crossing itself. A chart draws these instead of leaving the clipping
// to the drawing, which an SVG file does not keep.
std::vector<ChartCurve> partsBelow(const ChartCurve& curve, double top);

// The reference Mach numbers drawn behind the free stream's own curves.
inline constexpr double kReferenceMachs[] = {1.5, 2.0, 3.0};
// The loads sweep: 0° to 75° in steps of 0.1°.
inline constexpr int kSweepSteps = 750;
inline constexpr double kSweepTop = 75.0;  // [°]

// Keeps the chart numbers for one flow model. The sweeps over α and the θ-β-M curves depend
// only on the free stream and the picture's geometry, so they are recomputed only when one of
// those changed; a new α moves only the markers and the α line.
class ChartSeriesBuilder {
 public:
  // The charts for `model` as it stands. `model` is only read: the model's face pressures
  // over the sweep come from a private copy of its configuration, so the animation cannot
  // tell this ran.
  const ChartSeries& update(const FlowModel& model);
  const ChartSeries& series() const { return charts; }

 private:
  struct SweepKey {
    double velocity = 0.0;     // [m/s]
    double temperature = 0.0;  // [K]
    double pressure = 0.0;     // [Pa]
    double density = 0.0;      // [kg/m³]
    double halfLength = 0.0;   // [pixels]
    int width = 0;             // [pixels]
    int height = 0;            // [pixels]
    bool operator==(const SweepKey&) const = default;
  };
  void sweep(const FlowModel& model);
  void placeMarkers(const FlowModel& model);

  std::optional<SweepKey> swept;  // what the sweeps were computed for
  FlowModel scratch;              // turned to α for the model's front, never the window's model
  ChartSeries charts;
};
