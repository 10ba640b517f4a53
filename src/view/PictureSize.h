// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size of the window's picture, which the batch tool also renders by default.

inline constexpr int kPictureWidth = 672;   // pixels
inline constexpr int kPictureHeight = 465;  // pixels
