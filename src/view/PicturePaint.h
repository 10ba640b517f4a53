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
  // paints white.
  void paint(QPainter& painter, const QImage& image, int percent, const QRect& exposed);

 private:
  // At 200 % every pixel becomes a square of four, by hand into `doubled`:
  // a painter's scaled copy costs several times as much.
  void paintDoubled(QPainter& painter, const QImage& image, const QRect& exposed);

  QImage doubled;  // the picture at twice its size, kept from frame to frame
};
