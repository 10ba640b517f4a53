// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture's colours and pens, in one place for the frame and the window's legend.

#include <array>

#include "canvas/Pen.h"

namespace palette {

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};  // the frame's background
// No drawing uses this colour, so a frame can leave its pixels out when it is laid over
// another picture.
inline constexpr Colour kTransparent{254, 0, 254};

inline constexpr Colour kTracer{255, 0, 0};   // one pixel per tracer
inline constexpr Colour kBubble{255, 96, 0};  // the pressure bubbles' fill
inline constexpr Pen kStreamline{PenStyle::Solid, 1, Colour{0, 255, 0}};
inline constexpr Pen kPlate{PenStyle::Solid, 2, Colour{0, 0, 255}};
// Shock fronts and the first and last rays of the fans.
inline constexpr Pen kFront{PenStyle::Dash, 1, kBlack};
// The free stream at the heights of the two edges.
inline constexpr Pen kFreeStream{PenStyle::DashDot, 1, kBlack};
// The force arrow, the angle arc and its reference line.
inline constexpr Pen kThin{PenStyle::Solid, 1, kBlack};

// The broken pens, pixel runs along the line, starting with a drawn one: on, off, on, off...
inline constexpr std::array<int, 2> kDashRuns{18, 6};
inline constexpr std::array<int, 4> kDashDotRuns{9, 6, 3, 6};

}  // namespace palette
