// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thin flat plate at an angle of attack by shock-expansion and by linear theory.
//
// The lower face turns the free stream through α by an attached oblique shock, the upper face
// through α by a Prandtl-Meyer expansion from the leading edge; both faces then carry uniform
// states to the trailing edge. Every input gives an answer: the regime says which parts of it
// exist, and no field ever holds a NaN.

#include <optional>

#include "theory/ObliqueShock.h"

namespace theory {

// The one classification of the flow every output uses; regimeKey gives its stable name.
enum class Regime {
  ShockExpansion,       // "attached": attached shock below, expansion fan above
  SubsonicBehindShock,  // "attached_subsonic": θ_s < α ≤ θmax, attached but M₂ < 1 below
  MachWaves,            // "mach_waves": α = 0, no shock, both faces keep the free stream
  Subsonic,             // "subsonic": M₁ < 1, no oblique shock or expansion fan
  Detached,             // "detached": α > θmax(M₁), and any α > 0 at M₁ = 1 (θmax = 0)
  Vacuum,               // "vacuum": ν(M₁) + α ≥ ν_max, the fan ends at zero pressure
  NoGas,                // "no_gas": p₁ = 0
  AbsoluteZero,         // "absolute_zero": T₁ = 0, no speed of sound and no Mach number
  InvalidInput,         // "invalid": anything else no gas can have, or α outside 0..90°
};

// The regime's stable ASCII name for text, JSON, CSV and programs: never translated.
const char* regimeKey(Regime regime);

struct PlateInput {
  double mach = 2.0;           // M₁, free stream [-]
  double angleOfAttack = 0.0;  // α [rad]
  // The free stream's own state, where it is known: p₁ gives the loads (q₁ = ½γp₁M₁²) and,
  // with T₁, tells an empty or absolutely cold stream from one with a Mach number.
  std::optional<double> pressure;     // p₁ [Pa]
  std::optional<double> temperature;  // T₁ [K]
};

// A face's state relative to the free stream.
struct FaceRatios {
  double pressure = 1.0;     // p/p₁ [-]
  double temperature = 1.0;  // T/T₁ [-]
  double density = 1.0;      // ρ/ρ₁ [-]
};

struct LowerFace {
  double shockAngle = 0.0;  // β, the Mach angle at α = 0 [rad]
  double mach = 1.0;        // M behind the shock [-]
  FaceRatios ratios;
};

struct UpperFace {
  double prandtlMeyerAngle = 0.0;  // ν(M₁) + α [rad]
  std::optional<double> mach;      // M behind the fan; nullopt in vacuum, where it is unbounded [-]
  FaceRatios ratios;               // all 0 in vacuum
};

struct Coefficients {
  double normalForce = 0.0;          // c_n = (p_lower − p_upper)/q₁, q₁ = ½γp₁M₁² [-]
  double lift = 0.0;                 // c_l = c_n cos α [-]
  double drag = 0.0;                 // c_d = c_n sin α [-]
  std::optional<double> liftToDrag;  // L/D = cot α; nullopt at α = 0, where it is 0/0 [-]
};

// Ackeret's small-disturbance answer: c_l = 4α/√(M₁²−1), c_d = 4α²/√(M₁²−1).
struct LinearCoefficients {
  double lift = 0.0;  // c_l [-]
  double drag = 0.0;  // c_d [-]
};

// Forces on a plate of 1 m chord from the shock-expansion coefficients.
struct Loads {
  double dynamicPressure = 0.0;  // q₁ = ½ρ₁V₁² = ½γp₁M₁² [Pa]
  double lift = 0.0;             // per metre of span [N/m]
  double drag = 0.0;             // per metre of span [N/m]
};

struct PlateTheory {
  Regime regime = Regime::InvalidInput;
  std::optional<double> machAngle;               // μ₁ [rad]; when M₁ ≥ 1
  std::optional<double> prandtlMeyerAngle;       // ν(M₁) [rad]; when M₁ ≥ 1
  std::optional<MaxDeflection> maxDeflection;    // θmax(M₁) and its β [rad]; when M₁ ≥ 1
  std::optional<MaxDeflection> sonicDeflection;  // θ_s, β where M₂ = 1 [rad]; when M₁ ≥ 1
  std::optional<double> vacuumAngle;  // α at which ν(M₁) + α = ν_max [rad]; when M₁ ≥ 1
  std::optional<LowerFace> lower;     // unless subsonic, detached or invalid
  std::optional<UpperFace> upper;     // unless subsonic, detached or invalid
  std::optional<Coefficients> exact;  // whenever both faces are there
  std::optional<LinearCoefficients> linear;  // whenever M₁ > 1, even where detached
  std::optional<Loads> loads;                // with exact, when p₁ is given and q₁ is finite
};

PlateTheory solveFlatPlate(const PlateInput& input);

}  // namespace theory
