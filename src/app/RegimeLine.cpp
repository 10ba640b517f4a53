// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegimeLine.h"

#include "app/NumberText.h"
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
// M₁ with the field's three decimals, or more where three would round it onto 1 and put
// "1.000" beside the word "subsonic".
std::string machText(double mach) {
  for (int decimals = 3; decimals < 17; ++decimals) {
    std::string text = fixedText(mach, decimals);
    if (mach == 1.0 || parseNumber(text) != 1.0) return text;
  }
  return fixedText(mach, 17);
}
}  // namespace

bool picturesRealFlow(theory::Regime regime) {
  return regime == theory::Regime::ShockExpansion || regime == theory::Regime::MachWaves ||
         regime == theory::Regime::SubsonicBehindShock;
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
    case theory::Regime::SubsonicBehindShock:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Attached shock, but subsonic gas behind it: α = %1° lies between θ_s = %2° and "
          "θmax = %3°.");
      line.arguments = {alpha, report.sonicDeflection ? fixedText(*report.sonicDeflection, 2) : "—",
                        report.maxDeflection ? fixedText(*report.maxDeflection, 2) : "—"};
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "The shock still stands on the leading edge, but it is so strong that the gas behind "
          "it moves slower than sound. Pressure waves then travel forward along the plate, so "
          "the uniform state drawn below the plate is only an idealisation.");
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
      if (report.mach == 1.0) {
        line.sentenceTemplate = ZERKON_TRANSLATABLE(
            "RegimeLine",
            "Detached shock: a sonic stream (M₁ = 1) cannot be turned by an attached shock at "
            "all, so this picture cannot exist.");
        line.arguments.clear();
      }
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "At this Mach number an oblique shock can turn the gas by at most θmax, and the "
          "plate asks for more. The real shock stands detached ahead of the leading edge with "
          "subsonic gas behind it, not attached to the edge as drawn.");
      break;
    case theory::Regime::Subsonic:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine", "Subsonic free stream (M₁ = %1): this picture cannot exist.");
      line.arguments = {machText(report.mach)};
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Below the speed of sound pressure disturbances travel upstream, so the gas starts "
          "to turn before it reaches the plate. There are no shocks or expansion fans at the "
          "edges, as drawn here.");
      break;
    case theory::Regime::Vacuum:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Vacuum above the plate: beyond α = %1° the fan reaches zero pressure before the gas "
          "turns along the plate, so this picture cannot exist.");
      line.arguments = {report.vacuumAngle ? fixedText(*report.vacuumAngle, 2) : "—"};
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "The expansion fan still forms at the leading edge, but its pressure falls to zero "
          "at the largest Prandtl-Meyer angle, before the gas has turned as far as the plate. "
          "Between the fan's last ray and the plate there is vacuum, not the gas drawn here.");
      break;
    case theory::Regime::NoGas:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "No gas: at P₁ = 0 Pa there is nothing to flow, so this picture cannot "
          "exist.");
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "Zero pressure means empty space: no molecules to be turned, no shock and no fan. "
          "Enter a positive pressure P₁.");
      break;
    case theory::Regime::AbsoluteZero:
      line.sentenceTemplate = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "No speed of sound at T₁ = 0 K: the gas has no Mach number, so this picture cannot "
          "exist.");
      line.explanationText = ZERKON_TRANSLATABLE(
          "RegimeLine",
          "The speed of sound is √(γRT₁), which is zero at absolute zero, so V₁/c₁ has no "
          "value. Enter a positive temperature T₁.");
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
