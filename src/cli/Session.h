// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One flow session without a window: the window's own model, field logic, animation and
// frame classes, started by the same builder as the window and then asked about.
//
// The frame draws text, so a QGuiApplication must exist while a session is built or drawn.

#include "app/FieldLogic.h"
#include "app/SessionBuilder.h"
#include "model/FlowModel.h"
#include "view/FlowAnimation.h"
#include "view/FrameHost.h"

class Session final {
 public:
  // Free stream, picture, drags, angle, ticks: the order in which the window would see them.
  explicit Session(const SessionOptions& options);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The window's probe at (x, y): samples the flow from the shown free stream and fills the
  // nine local fields.
  FlowSample probe(PixelPoint point);

  FlowModel& model() { return flow; }
  const FlowModel& model() const { return flow; }
  StoredFieldTexts& fields() { return texts; }
  const StoredFieldTexts& fields() const { return texts; }
  FlowAnimation& animation() { return animator; }
  const FlowAnimation& animation() const { return animator; }
  const OffscreenHost& host() const { return frameHost; }
  // The picture as the user would see it after the last composed frame.
  const QImage& picture() const { return frameHost.screenImage(); }

 private:
  FlowModel flow;
  StoredFieldTexts texts;
  OffscreenHost frameHost;
  // Declared last: it holds references to the model and the host.
  FlowAnimation animator{flow, frameHost};
};
