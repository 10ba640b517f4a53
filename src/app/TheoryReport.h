// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flow model beside exact shock-expansion theory for the same free stream and angle of
// attack: one plain record, filled once, that the batch tool prints and the theory window shows.
//
// Every value that theory or the model cannot give for this flow is absent (nullopt), never a
// NaN or an infinity.

#include <optional>
#include <string>
#include <vector>

#include "theory/FlatPlate.h"

class FlowModel;

// One face of the plate: the exact state behind the wave, and the model's pressure at the point
// the force estimate samples (20 pixels off the plate centre).
struct FaceReport {
  std::optional<double> waveAngle;                       // β below, ν(M₁) + α above [°]
  std::optional<double> mach;                            // M on the face [-]
  std::optional<double> pressure;                        // p/p₁, exact [-]
  std::optional<double> temperature;                     // T/T₁, exact [-]
  std::optional<double> density;                         // ρ/ρ₁, exact [-]
  std::optional<double> modelPressure;                   // p/p₁, the model's [-]
  std::optional<double> modelOverExact;                  // modelPressure / pressure [-]
  std::optional<double> pressureCoefficient;             // c_p = (p − p₁)/q₁, exact [-]
  std::optional<double> secondOrderPressureCoefficient;  // c_p by Busemann [-]
  std::optional<double> thirdOrderPressureCoefficient;   // c_p to third order [-]
};

struct TheoryReport {
  // What the theory was asked, as the model holds it.
  double mach = 0.0;      // M₁ = V₁/c₁ [-]
  double angle = 0.0;     // α [rad]
  double density = 0.0;   // ρ₁ = p₁/(RT₁), the stream's own, not the shown text [kg/m³]
  double velocity = 0.0;  // V₁ [m/s]
  double pressure = 0.0;  // p₁ [Pa]

  theory::Regime regime = theory::Regime::InvalidInput;
  std::string message;                    // the regime line's sentence, UTF-8
  std::optional<double> maxDeflection;    // θmax(M₁) [°]
  std::optional<double> sonicDeflection;  // θ_s(M₁), where M₂ = 1 behind the shock [°]
  std::optional<double> vacuumAngle;      // α at which the fan reaches zero pressure [°]
  FaceReport lower;
  FaceReport upper;
  std::optional<double> normalForce;     // c_n [-]
  std::optional<double> lift;            // c_l [-]
  std::optional<double> drag;            // c_d [-]
  std::optional<double> liftToDrag;      // L/D [-]
  std::optional<double> linearLift;      // c_l by Ackeret [-]
  std::optional<double> linearDrag;      // c_d by Ackeret [-]
  std::optional<double> thirdOrderLift;  // c_l by third-order theory [-]
  std::optional<double> thirdOrderDrag;  // c_d by third-order theory [-]
  std::optional<double> liftLoad;  // lift on a 1 m chord, q₁ = ½γp₁M₁² [N per m of span]
  std::optional<double> dragLoad;  // drag on a 1 m chord [N per m of span]
};

// Solves the plate for the model's free stream and angle. The model's face pressures are
// peeked, so the fans' sampling scratch, and with it the picture, stay as they were. Every
// number comes from the stream's own p₁, T₁ and V₁, never from a shown (rounded) text.
TheoryReport makeTheoryReport(FlowModel& model);

// The note that goes with second-order face pressures, in English (translated at the window).
inline constexpr const char* kSecondOrderNote =
    "second order changes the face pressures only: on a flat plate it leaves c_l and c_d at "
    "Ackeret's values";

// One row of the report as a person reads it, and the key a program finds it by.
struct ReportLine {
  std::string key;    // stable ASCII name, never shown ("lower.pressure")
  std::string label;  // UTF-8, as the batch tool prints it
  std::string value;  // UTF-8, "—" when absent
};

// The report as labelled rows, in reading order: inputs, regime, faces, coefficients, loads.
std::vector<ReportLine> reportLines(const TheoryReport& report);
