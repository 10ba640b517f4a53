// SPDX-License-Identifier: GPL-3.0-or-later
// The constants and tables of the elementary functions, as double-doubles (written by
// scripts/gen-numeric-tables.py).
#pragma once

#include <cstdint>

namespace numeric {

// An unevaluated sum hi + lo with |lo| at most half an ulp of hi: about 106 bits.
struct DoubleDouble {
  double hi = 0.0;
  double lo = 0.0;
};

namespace tables {
extern const double kHalfPiPieces[4];
extern const DoubleDouble kHalfPi;
extern const DoubleDouble kPi;
extern const double kTwoOverPi;
extern const DoubleDouble kLn2;
extern const double kLn2Pieces[3];
extern const double kLn2By64Pieces[3];
extern const double kSixtyFourOverLn2;
extern const DoubleDouble kInvLn10;
extern const std::uint32_t kTwoOverPiWords[48];
extern const DoubleDouble kSinTable[52];
extern const DoubleDouble kCosTable[52];
extern const DoubleDouble kAtanTable[65];
extern const DoubleDouble kExp2Table[64];
extern const double kLogScale[93];
extern const DoubleDouble kLogOfInverseScale[93];
extern const DoubleDouble kInverseFactorial[20];
extern const DoubleDouble kInverseOdd[20];
extern const DoubleDouble kInverse[20];
}  // namespace tables

}  // namespace numeric
