// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the gas entering a zone, and the codes by which a flow
// quantity is asked of a zone.

#include "model/Constants.h"

struct GasState {
  double pressure = 0.0;     // Pa
  double temperature = 0.0;  // K
  double velocity = 0.0;     // m/s
  double soundSpeed = 0.0;   // m/s
  double mach = 0.0;         // 1
};

// One character per quantity; the set is closed.
enum class ValueCode : char {
  T = 'T',  // temperature, K
  P = 'P',  // pressure, Pa
  R = 'R',  // density, kg/m^3
  V = 'V',  // flow speed, m/s (handing one zone's downstream state to the next)
  f = 'f',  // velocity component V_phi, m/s
  r = 'r',  // velocity component V_r, m/s
};
