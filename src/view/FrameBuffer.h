// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The off-screen frame the whole picture is drawn into before it is shown.
//
// Drawing happens on the frame's canvas; blit() then puts the frame on a
// target image in one go, so the window never shows a half-drawn picture.
// The frame may also be laid over another picture: its pixels of exactly
// transparentColour are left out.

#include <QImage>

#include "canvas/Palette.h"
#include "canvas/Pen.h"
#include "canvas/PixelImage.h"
#include "view/ImageCanvas.h"

class FrameBuffer {
 public:
  FrameBuffer() = default;
  ~FrameBuffer() { release(); }
  // The canvas is bound to this frame's own image.
  FrameBuffer(const FrameBuffer&) = delete;
  FrameBuffer& operator=(const FrameBuffer&) = delete;

  // Replaces any existing frame by a new one of the given size; a width or a
  // height of 0 or less gives the empty frame.
  void create(int width, int height);
  void release();
  bool exists() const { return !bitmap.isNull(); }

  // Drawing on an empty frame is harmless and shows nowhere.
  Canvas& canvas() { return imageCanvas; }
  const QImage& image() const { return bitmap; }

  // Copies the frame onto `target`, top-left corners together, clipped to the
  // target, leaving out the transparent colour. Only Format_RGB32 and the
  // 32-bit ARGB formats are written; other targets are left alone.
  void blit(QImage& target) const;

  // Makes `target` show the frame exactly as blit(target) would. A frame that
  // holds no transparent pixel, on a target of its own size and layout, is
  // handed over by exchanging the two images' memory instead of copying it:
  // the frame then holds the target's old picture, to be drawn over anew.
  void present(QImage& target);

 private:
  QImage bitmap;            // the frame, Format_RGB32
  ImageCanvas imageCanvas;  // draws on bitmap
  int width = 0;            // pixels; 0 when empty
  int height = 0;           // pixels; 0 when empty
  Colour transparentColour = palette::kTransparent;
};
