// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The field logic: the sixteen number fields of the window without their widgets, their
// start-up values, the free-stream recomputation and the probe. The window and the batch
// tool both run these, so they always agree.

#include <array>
#include <string>

#include "model/FlowModel.h"

// The fields by their place in the window. The numbers are fixed identifiers, one per
// field, that stay the same whatever order the fields are laid out or attached in.
enum class FieldId {
  V1 = 1002,  // free stream: inputs
  T1 = 1003,
  P1 = 1004,
  Rho1 = 1009,  // free stream: derived
  C1 = 1011,
  M1 = 1012,
  V01 = 1015,
  T = 1006,  // local state under the cursor
  P = 1007,
  Rho = 1010,
  C = 1013,
  M = 1014,
  V0 = 1016,
  V = 1005,  // local velocity
  Vphi = 1008,
  Vr = 1022,
};

// The fields in the order the window attaches them at start-up.
inline constexpr std::array<FieldId, 16> kAttachOrder = {
    FieldId::V1,  FieldId::T1, FieldId::P1,   FieldId::Rho1, FieldId::C1, FieldId::V,
    FieldId::T,   FieldId::P,  FieldId::Rho,  FieldId::M1,   FieldId::C,  FieldId::M,
    FieldId::V01, FieldId::V0, FieldId::Vphi, FieldId::Vr};

// Where a field stands in kAttachOrder: 0 to 15.
std::size_t fieldSlot(FieldId id);

// Sixteen single-line texts, each holding one number; the text is the only state.
class FieldTexts {
 public:
  virtual ~FieldTexts() = default;
  virtual std::string text(FieldId id) const = 0;
  virtual void setText(FieldId id, const std::string& text) = 0;

  double getValue(FieldId id) const;
  void setValue(FieldId id, double value);
};

// The sixteen texts kept as plain strings, for the batch tool and the tests.
class StoredFieldTexts final : public FieldTexts {
 public:
  std::string text(FieldId id) const override;
  void setText(FieldId id, const std::string& text) override;

 private:
  std::array<std::string, kAttachOrder.size()> texts;
};

// Start-up values: V1 450, T1 273, P1 100000, every output 0.
void attachFields(FieldTexts& fields);
// Reads T1, P1, V1, derives and shows the free stream, and hands the model
// the density as shown.
void recomputeFreeStream(FieldTexts& fields, FlowModel& model);
// M1 was typed: V1 becomes M1 · c1 for the T1 shown, then everything follows as
// recomputeFreeStream does it. M1 is shown again as derived from the V1 shown.
void applyMach(FieldTexts& fields, FlowModel& model);
// The free stream as the fields show it, for the probe.
FreeStream shownFreeStream(const FieldTexts& fields);
// Samples the flow at (x, y) from the shown free stream and shows the nine values.
FlowSample showProbe(FieldTexts& fields, FlowModel& model, int x, int y);
