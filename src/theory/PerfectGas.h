// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's perfect gas: its constants, the Mach angle and the isentropic ratios.

#include <numbers>
#include <optional>

#include "model/Constants.h"

namespace theory {

inline constexpr double kGamma = 1.4;  // ratio of specific heats [-]
// R/M for the program's one gas: 8.314 / 0.028 = 296.93 [J/(kg·K)]; M taken in kg/mol.
inline constexpr double kSpecificGasConstant = kMolarGasConstant / (kMolarMass / 1000);

// Mach numbers above this are refused: far beyond any perfect-gas meaning, and small enough
// that every M² in the relations stays finite.
inline constexpr double kLargestMach = 1e100;  // [-]

constexpr double degrees(double radians) {
  return radians * (180.0 / std::numbers::pi);
}
constexpr double radians(double degrees) {
  return degrees * (std::numbers::pi / 180.0);
}

// a = √(γ R T); nullopt unless T is finite and positive.
std::optional<double> speedOfSound(double temperature /* [K] */);  // [m/s]

// μ = asin(1/M); nullopt unless 1 ≤ M < ∞.
std::optional<double> machAngle(double mach);  // [rad]

// Stagnation-to-static ratios of an isentropic flow at Mach number M.
struct IsentropicRatios {
  double temperature = 1.0;  // T₀/T [-]
  double pressure = 1.0;     // p₀/p [-]
  double density = 1.0;      // ρ₀/ρ [-]
};

// nullopt unless 0 ≤ M ≤ kLargestMach.
std::optional<IsentropicRatios> isentropicRatios(double mach);

}  // namespace theory
