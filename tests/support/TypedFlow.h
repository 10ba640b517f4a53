// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test fixture: the model of a flow whose V₁ is typed into the field as the window reads
// it, in a picture of the given size, with the plate at α degrees.
#include <numbers>

#include "app/FieldLogic.h"
#include "model/FlowModel.h"

struct TypedFlow {
  explicit TypedFlow(const char* velocity, double alphaDeg = 30.0, int width = 672,
                     int height = 465) {
    model.setView(width, height);
    attachFields(fields);
    fields.setText(FieldId::V1, velocity);
    recomputeFreeStream(fields, model);
    turn(alphaDeg);
  }
  void turn(double alphaDeg) { model.setPlateAngle(alphaDeg * std::numbers::pi / 180.0); }
  FlowModel model;
  StoredFieldTexts fields;
};
