// SPDX-License-Identifier: GPL-3.0-or-later
// The window's field logic without widgets.
#include "app/FieldLogic.h"

#include <gtest/gtest.h>

#include "model/FlowModel.h"

namespace {
struct Fields : ::testing::Test {
  Fields() {
    model.setView(672, 465);
    attachFields(fields);
  }
  FlowModel model;
  StoredFieldTexts fields;
};
}  // namespace

TEST_F(Fields, StartUpShowsTheDefaultFreeStreamAndZeros) {
  for (const FieldId id : kAttachOrder) {
    if (id != FieldId::V1 && id != FieldId::T1 && id != FieldId::P1) {
      EXPECT_EQ(fields.text(id), "0.000");
    }
  }
  recomputeFreeStream(fields, model);
  const std::pair<FieldId, const char*> column[] = {
      {FieldId::V1, "450.0"},   {FieldId::T1, "273.0"}, {FieldId::P1, "100000"},
      {FieldId::Rho1, "1.234"}, {FieldId::C1, "336.9"}, {FieldId::M1, "1.336"},
      {FieldId::V01, "0.811"}};
  for (const auto& [id, text] : column) EXPECT_EQ(fields.text(id), text);
  // The model gets the density as shown; the specific volume came from the exact one.
  EXPECT_EQ(model.density, 1.234);
  EXPECT_NE(1.0 / 1.234, model.deriveFreeStream().specificVolume);
}

TEST_F(Fields, TextThatIsNotANumberReadsAsItsPrefixOrZero) {
  fields.setText(FieldId::T1, "12abc");
  fields.setText(FieldId::V1, "abc");
  recomputeFreeStream(fields, model);
  EXPECT_EQ(model.temperature, 12);
  EXPECT_EQ(model.velocity, 0);
  EXPECT_EQ(fields.text(FieldId::T1), "12abc");  // left as typed
  fields.setText(FieldId::T1, "0");
  recomputeFreeStream(fields, model);
  EXPECT_EQ(fields.text(FieldId::Rho1), "inf");
  EXPECT_EQ(fields.text(FieldId::C1), "0.000");
  // 0 / 0: the processor's NaN, shown with the sign it carries.
  EXPECT_TRUE(fields.text(FieldId::M1) == "nan" || fields.text(FieldId::M1) == "-nan");
}

TEST_F(Fields, AProbeOnAFlatPlateShowsNineZeros) {
  recomputeFreeStream(fields, model);
  model.setPlateAngle(0.05);
  showProbe(fields, model, 300, 250);
  for (const FieldId id : {FieldId::T, FieldId::P, FieldId::Rho, FieldId::C, FieldId::M,
                           FieldId::V0, FieldId::V, FieldId::Vphi, FieldId::Vr})
    EXPECT_EQ(fields.text(id), "0.000");
}

TEST_F(Fields, AProbeBehindTheLowerShockUsesTheShownFreeStream) {
  recomputeFreeStream(fields, model);
  model.setPlateAngle(0.78539816339744828);
  const FlowSample s = showProbe(fields, model, 336, 280);
  EXPECT_DOUBLE_EQ(s.density, 1.234 * 1.25);
  EXPECT_EQ(fields.text(FieldId::T), "341.2");
  EXPECT_EQ(fields.text(FieldId::P), "125000");
  EXPECT_EQ(fields.text(FieldId::Vr), "0.000");
  EXPECT_EQ(fields.text(FieldId::V), "427.7");
}
