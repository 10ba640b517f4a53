// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way a flow session starts, in the window and in the batch tool alike: the field
// texts with their start-up values and any typed free stream, then the picture, the drags,
// the angle and the ticks, in the order the window meets them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/FieldLogic.h"
#include "view/PictureSize.h"

class FlowAnimation;
class FlowModel;

struct PixelPoint {
  int x = 0;  // pixels, rightwards from the picture's left edge
  int y = 0;  // pixels, downwards from its top edge
};

struct SessionOptions {
  // The free-stream input fields as typed; absent ones keep the window's start-up text.
  std::optional<std::string> velocity;     // V1, read as m/s
  std::optional<std::string> temperature;  // T1, read as K
  std::optional<std::string> pressure;     // P1, read as Pa
  int width = kPictureWidth;               // pixels
  int height = kPictureHeight;             // pixels
  std::vector<PixelPoint> drags;           // left-button mouse positions, in order
  std::optional<double> angle;             // angle of attack set after the drags, degrees
  int ticks = 0;                           // animation timer ticks run last
  // Called after each of those ticks with the number done; the ticks stop early when it
  // returns false (a long batch run reports progress and can be interrupted through it).
  std::function<bool(int)> afterTick;
  // Called after each drag with the number done (a long batch run reports progress).
  std::function<void(std::size_t)> afterDrag;
};

// Starts `animation`, which shows `model`, as asked: the fields get their start-up values and
// the typed texts, the free stream is derived from them, the animation attaches at the
// picture size (sizing the frame and the model, placing the plate, starting the timer), and
// the drags, the angle and the ticks follow.
void startSession(const SessionOptions& options, FieldTexts& fields, FlowModel& model,
                  FlowAnimation& animation);
