// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a second window goes beside the main one: to its right when the screen has room,
// else to its left, below or above it; where no side has room, pushed back onto the screen
// so that it covers neither the picture nor, as far as it can, the other windows.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The top-left corner for a frame of `size` beside `main` (frames in screen pixels), `gap`
// pixels away, wholly on the screen area `available`. `picture` is the part of `main` that
// must stay uncovered; `others` are windows already open that it should not cover either.
// A frame larger than the screen is pinned to the screen's top-left corner.
QPoint besidePosition(const QRect& main, const QRect& picture, const QSize& size,
                      const QRect& available, int gap, const std::vector<QRect>& others = {});

class QWidget;

// Moves `window` (not yet shown, or shown) beside `main` on main's screen by besidePosition,
// keeping `picture` clear and avoiding main's other shown windows; a window larger than the
// screen's free area is first made to fit it.
void placeBeside(const QWidget& main, const QWidget& picture, QWidget& window);
