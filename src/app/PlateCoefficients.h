// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plate's lift and drag coefficients by every theory the program knows, beside the
// picture's own model, for one free stream at any angle of attack: one row of the α sweep and
// one point of the loads chart.
//
// The model's coefficients come from the face pressures its force estimate samples (20 pixels
// off the plate centre): c_n = (p_lower − p_upper)/(½γp₁M₁²), resolved like the exact answer.
// For an angle other than the session's the model is asked in a copy of its own, so the
// session's plate, zones and animation are never touched.
//
// Every value that cannot be given is absent (nullopt), never a NaN or an infinity.

#include <optional>

#include "model/FlowModel.h"
#include "theory/FlatPlate.h"

struct ModelCoefficients {
  double normalForce = 0.0;  // c_n [-]
  double lift = 0.0;         // c_l = c_n cos α [-]
  double drag = 0.0;         // c_d = c_n sin α [-]
};

// The model as it stands, at its own α; its face pressures are peeked, so the fans' sampling
// scratch, and with it the picture, stay as they were. nullopt where a value is not finite.
std::optional<ModelCoefficients> modelCoefficients(FlowModel& model);

struct CoefficientRow {
  double alpha = 0.0;  // α as asked [°]
  theory::Regime regime = theory::Regime::InvalidInput;
  std::optional<double> shockAngle;     // β of the lower face's attached shock [°]
  std::optional<double> lift;           // c_l, exact shock-expansion [-]
  std::optional<double> drag;           // c_d, exact [-]
  std::optional<double> liftToDrag;     // L/D, exact [-]
  std::optional<double> linearLift;     // c_l by Ackeret [-]
  std::optional<double> linearDrag;     // c_d by Ackeret [-]
  std::optional<double> lowerPressure;  // c_p of the lower face, exact [-]
  std::optional<double> upperPressure;  // c_p of the upper face, exact [-]
  // Busemann's face pressures; its c_l and c_d are Ackeret's on a flat plate.
  std::optional<double> secondOrderLowerPressure;  // c_p, lower face [-]
  std::optional<double> secondOrderUpperPressure;  // c_p, upper face [-]
  std::optional<double> thirdOrderLift;            // c_l to third order [-]
  std::optional<double> thirdOrderDrag;            // c_d to third order [-]
  std::optional<double> modelLift;  // c_l of the picture's model; α within 0..75° [-]
  std::optional<double> modelDrag;  // c_d of the picture's model [-]
};

// Rows for one session's free stream and picture, at any α. Copies what it needs of the
// session once; reuse one for a whole sweep.
class CoefficientSweep {
 public:
  explicit CoefficientSweep(const FlowModel& session);
  CoefficientSweep(const CoefficientSweep&) = delete;
  CoefficientSweep& operator=(const CoefficientSweep&) = delete;

  // α in degrees, turned into radians as the angle option does (α·π/180). An α the theories
  // refuse (outside 0..90° or not a number) gives the regime InvalidInput and no values; the
  // model answers only within its own range of turn, 0..75°.
  CoefficientRow at(double alphaDegrees);

  double mach() const { return freeStreamMach; }  // M₁ [-]

 private:
  FlowModel probe;              // the session's free stream and picture, turned at will
  double freeStreamMach = 0.0;  // M₁ [-]
};
