#include "cli/Session.h"

#include <numbers>

Session::Session(const SessionOptions& options) {
  attachFields(texts);
  // Raw texts, as if typed into the fields: they are read by the field parser, never here.
  if (options.velocity) texts.setText(FieldId::V1, *options.velocity);
  if (options.temperature) texts.setText(FieldId::T1, *options.temperature);
  if (options.pressure) texts.setText(FieldId::P1, *options.pressure);
  recomputeFreeStream(texts, flow);

  // A mouse movement without the button asks the window for a probe.
  frameHost.onProbe = [this](int x, int y) { showProbe(texts, flow, x, y); };
  animator.attach(options.width, options.height);

  for (const PixelPoint& drag : options.drags)
    animator.onMouseMove(FlowAnimation::kLeftButton, drag.x, drag.y);
  // Degrees to radians in this order of operations, so that every run gets the same bits.
  if (options.angle) animator.turnPlate(*options.angle * std::numbers::pi / 180);
  for (int i = 0; i < options.ticks; ++i) animator.onTick();
}

FlowSample Session::probe(PixelPoint point) {
  return showProbe(texts, flow, point.x, point.y);
}
