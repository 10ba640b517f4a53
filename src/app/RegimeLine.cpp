// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegimeLine.h"

#include "app/Translatable.h"
#include "platform/FixedText.h"
#include "theory/PerfectGas.h"

namespace {
// The template with %1, %2, ... replaced by the arguments, as QString::arg would do it.
std::string fillIn(const std::string& pattern, const std::vector<std::string>& arguments) {
  std::string text;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    const auto slot = static_cast<std::size_t>(next - '1');
    if (pattern[at] == '%' && next >= '1' && next <= '9' && slot < arguments.size()) {
      text += arguments[slot];
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}
}  // namespace

bool picturesRealFlow(theory::Regime regime) {
  return regime == theory::Regime::ShockExpansion || regime == theory::Regime::MachWaves;
}

RegimeLine describeRegime(const TheoryReport& report) {
  RegimeLine line;
  line.realFlow = picturesRealFlow(report.regime);
  const std::string alpha = fixedText(theory::degrees(report.angle), 2);
  switch (report.regime) {
    case theory::Regime::ShockExpansion:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine", "Attached shock below, expansion fan above: a flow that can exist.");
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "The plate turns the gas by less than the largest angle an oblique shock can turn it "
          "at this Mach number, so the shock stays attached to the leading edge. Above the "
          "plate the gas turns round the edge through an expansion fan and keeps a pressure "
          "above zero.");
      break;
    case theory::Regime::MachWaves:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine", "No angle of attack: only Mach waves, the stream passes undisturbed.");
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "A plate lying along the stream does not turn the gas, so no shock or fan forms. "
          "Only weak Mach waves at the Mach angle mark where the plate's edges are felt.");
      break;
    case theory::Regime::Detached:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Detached shock: α = %1° is above θmax = %2°, so this picture cannot exist.");
      line.arguments = {alpha, report.maxDeflection ? fixedText(*report.maxDeflection, 2) : "—"};
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "At this Mach number an oblique shock can turn the gas by at most θmax, and the "
          "plate asks for more. The real shock stands detached ahead of the leading edge with "
          "subsonic gas behind it, not attached to the edge as drawn.");
      break;
    case theory::Regime::Subsonic:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine", "Subsonic free stream (M₁ = %1): this picture cannot exist.");
      line.arguments = {fixedText(report.mach, 3)};
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Below the speed of sound pressure disturbances travel upstream, so the gas starts "
          "to turn before it reaches the plate. There are no shocks or expansion fans at the "
          "edges, as drawn here.");
      break;
    case theory::Regime::Vacuum:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Vacuum above the plate: the gas would expand past zero pressure; this picture cannot "
          "exist.");
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "An expansion fan can turn the gas only until its pressure falls to zero, at the "
          "largest Prandtl-Meyer angle. The plate turns the upper stream further than that, "
          "so real gas would leave a vacuum above it instead of the fan drawn.");
      break;
    case theory::Regime::InvalidInput:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Not a flow: the free stream holds zero, negative or non-finite values, so this picture "
          "cannot exist.");
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "A gas needs a positive temperature and a finite, non-negative speed to have a Mach "
          "number. Correct V₁, T₁ or P₁ and leave the field to apply them.");
      break;
  }
  line.sentence = fillIn(line.sentenceTemplate, line.arguments);
  line.explanation = line.explanationText;
  return line;
}
