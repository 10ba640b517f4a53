// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a second window goes beside the main one: to its right when the
// screen has room, else to its left, else below it; never over it.

#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner for a frame of `size` beside `main` (a frame, in screen
// pixels), `gap` pixels away, on the screen area `available`. When no side has
// room for the whole frame, the side that shows most of it.
QPoint besidePosition(const QRect& main, const QSize& size, const QRect& available, int gap);
