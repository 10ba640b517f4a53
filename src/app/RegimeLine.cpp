// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegimeLine.h"

#include "platform/FixedText.h"
#include "theory/PerfectGas.h"

bool picturesRealFlow(theory::Regime regime) {
  return regime == theory::Regime::ShockExpansion || regime == theory::Regime::MachWaves;
}

RegimeLine describeRegime(const TheoryReport& report) {
  RegimeLine line;
  line.realFlow = picturesRealFlow(report.regime);
  const std::string alpha = fixedText(theory::degrees(report.angle), 2) + "°";
  switch (report.regime) {
    case theory::Regime::ShockExpansion:
      line.sentence = "Attached shock below, expansion fan above: a flow that can exist.";
      line.explanation =
          "The plate turns the gas by less than the largest angle an oblique shock can turn it "
          "at this Mach number, so the shock stays attached to the leading edge. Above the "
          "plate the gas turns round the edge through an expansion fan and keeps a pressure "
          "above zero.";
      break;
    case theory::Regime::MachWaves:
      line.sentence = "No angle of attack: only Mach waves, the stream passes undisturbed.";
      line.explanation =
          "A plate lying along the stream does not turn the gas, so no shock or fan forms. "
          "Only weak Mach waves at the Mach angle mark where the plate's edges are felt.";
      break;
    case theory::Regime::Detached:
      line.sentence = "Detached shock: α = " + alpha + " is above θmax = " +
                      (report.maxDeflection ? fixedText(*report.maxDeflection, 2) : "—") +
                      "°, so this picture cannot exist.";
      line.explanation =
          "At this Mach number an oblique shock can turn the gas by at most θmax, and the "
          "plate asks for more. The real shock stands detached ahead of the leading edge with "
          "subsonic gas behind it, not attached to the edge as drawn.";
      break;
    case theory::Regime::Subsonic:
      line.sentence = "Subsonic free stream (M₁ = " + fixedText(report.mach, 3) +
                      "): this picture cannot exist.";
      line.explanation =
          "Below the speed of sound pressure disturbances travel upstream, so the gas starts "
          "to turn before it reaches the plate. There are no shocks or expansion fans at the "
          "edges, as drawn here.";
      break;
    case theory::Regime::Vacuum:
      line.sentence =
          "Vacuum above the plate: the gas would expand past zero pressure; this picture cannot "
          "exist.";
      line.explanation =
          "An expansion fan can turn the gas only until its pressure falls to zero, at the "
          "largest Prandtl-Meyer angle. The plate turns the upper stream further than that, "
          "so real gas would leave a vacuum above it instead of the fan drawn.";
      break;
    case theory::Regime::InvalidInput:
      line.sentence =
          "Not a flow: the free stream holds zero, negative or non-finite values, so this picture "
          "cannot exist.";
      line.explanation =
          "A gas needs a positive temperature and a finite, non-negative speed to have a Mach "
          "number. Correct V₁, T₁ or P₁ and leave the field to apply them.";
      break;
  }
  return line;
}
