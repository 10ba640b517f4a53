// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Clears the upper halves of the processor's 256-bit vector registers.
//
// This program is built for plain SSE2. On x86 processors with AVX, plain SSE
// code runs far slower while those upper halves are marked in use, and code
// elsewhere in the process or the system can leave them so: the zone pass
// was measured a quarter slower in such a state, and it can last for a whole
// run. The hot loops call this before they start. It changes no value: no
// live number is ever kept in an upper half.
void clearUpperVectorState();
