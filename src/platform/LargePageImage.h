// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture-sized RGB32 images on large pages (see LargePages.h): the frame and
// the screen image are each written whole every tick.

#include <QImage>

// A Format_RGB32 image of the given size with undefined pixels; the null image
// when the size is empty or the memory cannot be had. From a megabyte up the
// image lies on large pages; smaller ones get Qt's usual memory.
QImage largePageImage(int width, int height);
