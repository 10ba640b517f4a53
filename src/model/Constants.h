// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constants the whole flow model shares: the one perfect gas of the program, the
// scale from flow speed to picture pixels, and the plate angle below which the model
// reads as a flat plate.

// The gas: ratio of specific heats 1.4, molar mass 28 g/mol.
inline constexpr double kMolarGasConstant = 8.314;  // R, J/(mol K)
inline constexpr double kMolarMass = 28;            // M, g/mol
// gamma R / M = 1.4 * 8.314 / 0.028, rounded as the model uses it: the speed of sound
// is sqrt(kSoundSpeedFactor * T).
inline constexpr double kSoundSpeedFactor = 415.7;  // J/(kg K)

// Metres per second to pixels per step: 450 m/s moves a tracer 3 pixels a step.
inline constexpr double kPixelsPerStepPerMs = 0.0066666666666666671;

// Below this plate angle the probe shows zeros, the bubbles and the force estimate see
// the free stream, radians.
inline constexpr double kSampleAngle = 0.1;
