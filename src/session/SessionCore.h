// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything of a flow session without a window but its frame: the window's own model, field
// logic and animation, started by the same builder as the window and then asked about. It
// names no toolkit, so every answer but the picture is the same wherever it is built.

#include "app/FieldLogic.h"
#include "app/SessionBuilder.h"
#include "model/FlowModel.h"
#include "view/FlowAnimation.h"
#include "view/ViewHost.h"

class SessionCore {
 public:
  SessionCore(const SessionCore&) = delete;
  SessionCore& operator=(const SessionCore&) = delete;

  // The window's probe at (x, y): samples the flow from the shown free stream and fills the
  // nine local fields.
  FlowSample probe(PixelPoint point) { return showProbe(texts, flow, point.x, point.y); }

  FlowModel& model() { return flow; }
  const FlowModel& model() const { return flow; }
  StoredFieldTexts& fields() { return texts; }
  const StoredFieldTexts& fields() const { return texts; }
  FlowAnimation& animation() { return animator; }
  const FlowAnimation& animation() const { return animator; }

 protected:
  // The animation does not use `host` before start(), so a subclass may pass a member of its
  // own.
  explicit SessionCore(ViewHost& host) : animator{flow, host} {}
  ~SessionCore() = default;
  // Free stream, picture, drags, angle, ticks: the order in which the window would see them.
  void start(const SessionOptions& options) { startSession(options, texts, flow, animator); }

 private:
  FlowModel flow;
  StoredFieldTexts texts;
  // Declared last: it holds a reference to the model.
  FlowAnimation animator;
};
