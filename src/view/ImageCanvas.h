// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The raster canvas bound to the memory of a 32-bit QImage.

#include <QImage>

#include "canvas/RasterCanvas.h"

class ImageCanvas final : public RasterCanvas {
 public:
  ImageCanvas() = default;
  // The canvas draws on `image` until it is bound to another one; `image` must
  // be Format_RGB32 and outlive the binding. A null pointer, a null image or
  // another format leave the canvas drawing nothing.
  explicit ImageCanvas(QImage* image) { bind(image); }

  // Takes the image's memory once; call again whenever the image is replaced or may
  // have detached.
  void bind(QImage* image);
  using RasterCanvas::bind;
};
