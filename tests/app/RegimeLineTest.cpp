// SPDX-License-Identifier: GPL-3.0-or-later
// The regime line names the theory's regime, with the numbers it quotes, and warns exactly
// when the picture shows a flow that cannot exist.
#include "app/RegimeLine.h"

#include <gtest/gtest.h>

#include <numbers>

#include "app/FieldLogic.h"
#include "model/FlowModel.h"

namespace {

struct Case {
  const char* velocity;  // V₁ as typed, with T₁ 273 K and P₁ 100000 Pa unless given
  double degrees;        // α
  theory::Regime regime;
  bool realFlow;
  const char* quoted;  // a part of the sentence that carries this flow's numbers
  const char* temperature = "273";
  const char* pressure = "100000";
};

const Case kCases[] = {
    {"900", 10.0, theory::Regime::ShockExpansion, true, "Attached shock"},
    {"900", 0.0, theory::Regime::MachWaves, true, "Mach waves"},
    {"450", 34.62, theory::Regime::Detached, false, "α = 34.62° is above θmax = 7.65°"},
    {"200", 20.0, theory::Regime::Subsonic, false, "M₁ = 0.594"},
    {"3000", 40.0, theory::Regime::Vacuum, false, "beyond α = 31.45°"},
    {"673.754", 22.8, theory::Regime::SubsonicBehindShock, true,
     "between θ_s = 22.71° and θmax = 22.97°"},
    // 0.99995 shows as "1.000" in its field: beside "subsonic" it needs more digits.
    {"336.85", 10.0, theory::Regime::Subsonic, false, "M₁ = 0.9999"},
    {"900", 10.0, theory::Regime::NoGas, false, "P₁ = 0 Pa", "273", "0"},
    {"900", 10.0, theory::Regime::AbsoluteZero, false, "T₁ = 0 K", "0"},
    {"-5", 20.0, theory::Regime::InvalidInput, false, "Not a flow"},
};

TEST(RegimeLine, NamesTheTheorysRegimeAndWarnsWhenThePictureCannotExist) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "V₁ " << c.velocity << ", α " << c.degrees);
    FlowModel model;
    model.setView(672, 465);
    StoredFieldTexts fields;
    attachFields(fields);
    fields.setText(FieldId::V1, c.velocity);
    fields.setText(FieldId::T1, c.temperature);
    fields.setText(FieldId::P1, c.pressure);
    recomputeFreeStream(fields, model);
    model.setPlateAngle(c.degrees * std::numbers::pi / 180);

    const TheoryReport report = makeTheoryReport(model);
    ASSERT_EQ(report.regime, c.regime);
    const RegimeLine line = describeRegime(report);
    EXPECT_EQ(line.realFlow, c.realFlow);
    EXPECT_NE(line.sentence.find(c.quoted), std::string::npos) << line.sentence;
    EXPECT_EQ(line.sentence.find("cannot exist") == std::string::npos, c.realFlow) << line.sentence;
    // One sentence on the line, two in its explanation.
    EXPECT_EQ(line.sentence.find(". "), std::string::npos) << line.sentence;
    EXPECT_EQ(line.sentence.back(), '.');
    EXPECT_EQ(line.explanation.back(), '.');
    std::size_t stops = 0;
    for (std::size_t at = line.explanation.find(". "); at != std::string::npos;
         at = line.explanation.find(". ", at + 1))
      ++stops;
    EXPECT_EQ(stops, 1U) << line.explanation;
  }
}

}  // namespace
