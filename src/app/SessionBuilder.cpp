// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionBuilder.h"

#include <numbers>

#include "model/FlowModel.h"
#include "view/FlowAnimation.h"

void startSession(const SessionOptions& options, FieldTexts& fields, FlowModel& model,
                  FlowAnimation& animation) {
  attachFields(fields);
  // Raw texts, as if typed into the fields: they are read by the field parser, never here.
  if (options.velocity) fields.setText(FieldId::V1, *options.velocity);
  if (options.temperature) fields.setText(FieldId::T1, *options.temperature);
  if (options.pressure) fields.setText(FieldId::P1, *options.pressure);
  recomputeFreeStream(fields, model);

  animation.attach(options.width, options.height);
  std::size_t dragged = 0;
  for (const PixelPoint& drag : options.drags) {
    animation.onMouseMove(FlowAnimation::kLeftButton, drag.x, drag.y);
    if (options.afterDrag) options.afterDrag(++dragged);
  }
  // Degrees to radians in this order of operations, so that every run gets the same bits.
  if (options.angle) animation.turnPlate(*options.angle * std::numbers::pi / 180);
  for (int i = 0; i < options.ticks; ++i) {
    animation.onTick();
    if (options.afterTick && !options.afterTick(i + 1)) return;
  }
}
