// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the screen image reaches the screen at a zoom: shared by the picture
// widget and the benchmark, so the measured frame is the one the window paints.

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// The picture's size on screen at `percent` per cent, whole pixels (rounded down).
QSize zoomedPictureSize(int percent);

class PicturePainter {
 public:
  // Paints `image` scaled to `percent` per cent with its top-left corner at
  // the painter's origin; `exposed` is the part of the target that must be
  // painted. At 100 % that part is copied pixel for pixel; a null image
  // paints white. At 200 % an RGB32 image is doubled by hand into a kept
  // buffer: a painter's scaled copy costs about twice as much. Other zooms
  // are smoothed by the painter.
  void paint(QPainter& painter, const QImage& image, int percent, const QRect& exposed);

 private:
  // Fills the rows of `zoomed` under `wanted`: each pixel becomes a square of four.
  void double2x(const QImage& image, const QRect& wanted);

  QImage zoomed;  // the picture at 200 %, kept from frame to frame
};
