// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FieldLogic.h"

#include <algorithm>
#include <cmath>

#include "app/NumberText.h"
#include "model/Constants.h"

double FieldTexts::getValue(FieldId id) const {
  return parseNumber(text(id));
}

void FieldTexts::setValue(FieldId id, double value) {
  setText(id, formatNumber(value));
}

std::size_t fieldSlot(FieldId id) {
  return static_cast<std::size_t>(std::find(kAttachOrder.begin(), kAttachOrder.end(), id) -
                                  kAttachOrder.begin());
}

std::string StoredFieldTexts::text(FieldId id) const {
  return texts[fieldSlot(id)];
}

void StoredFieldTexts::setText(FieldId id, const std::string& text) {
  texts[fieldSlot(id)] = text;
}

void attachFields(FieldTexts& fields) {
  for (const FieldId id : kAttachOrder) {
    double initial = 0;
    if (id == FieldId::V1) initial = 450;
    if (id == FieldId::T1) initial = 273;
    if (id == FieldId::P1) initial = 100000;
    fields.setValue(id, initial);
  }
}

void recomputeFreeStream(FieldTexts& fields, FlowModel& model) {
  const double temperature = fields.getValue(FieldId::T1);
  const double pressure = fields.getValue(FieldId::P1);
  const double velocity = fields.getValue(FieldId::V1);
  model.setFreeStream(velocity, temperature, pressure);
  const FreeStreamDerived derived = model.deriveFreeStream();
  fields.setValue(FieldId::Rho1, derived.density);
  fields.setValue(FieldId::C1, derived.soundSpeed);
  fields.setValue(FieldId::M1, derived.mach);
  fields.setValue(FieldId::V01, derived.specificVolume);
  // The model works with the density the student sees.
  model.setDensity(fields.getValue(FieldId::Rho1));
}

void applyMach(FieldTexts& fields, FlowModel& model) {
  const double mach = fields.getValue(FieldId::M1);
  const double temperature = fields.getValue(FieldId::T1);
  // c1 as deriveFreeStream computes it.
  fields.setValue(FieldId::V1, mach * std::sqrt(temperature * kSoundSpeedFactor));
  recomputeFreeStream(fields, model);
}

FreeStream shownFreeStream(const FieldTexts& fields) {
  FreeStream fs;
  fs.temperature = fields.getValue(FieldId::T1);
  fs.pressure = fields.getValue(FieldId::P1);
  fs.density = fields.getValue(FieldId::Rho1);
  fs.velocity = fields.getValue(FieldId::V1);
  return fs;
}

FlowSample showProbe(FieldTexts& fields, FlowModel& model, int x, int y) {
  const FlowSample s = model.sample(x, y, shownFreeStream(fields));
  fields.setValue(FieldId::C, s.soundSpeed);
  fields.setValue(FieldId::M, s.mach);
  fields.setValue(FieldId::V0, s.specificVolume);
  fields.setValue(FieldId::T, s.temperature);
  fields.setValue(FieldId::Rho, s.density);
  fields.setValue(FieldId::P, s.pressure);
  fields.setValue(FieldId::Vphi, s.velocityPhi);
  fields.setValue(FieldId::Vr, s.velocityR);
  fields.setValue(FieldId::V, s.speed);
  return s;
}
