// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The regime line under the picture: the theory report's regime in one short sentence, a
// reason a student can follow, and whether the picture shows a flow that can exist.

#include <string>
#include <vector>

#include "app/TheoryReport.h"

// The translation context of the regime line's texts.
inline constexpr const char* kRegimeLineContext = "RegimeLine";

struct RegimeLine {
  std::string sentence;     // one short sentence, UTF-8
  std::string explanation;  // why, in two sentences, UTF-8
  bool realFlow = false;    // false: the picture shows a flow that cannot exist

  // The same two texts before the numbers are filled in, for a translated window: the
  // English sentence with %1, %2 where `arguments` go, and the explanation as it stands.
  const char* sentenceTemplate = "";
  const char* explanationText = "";
  std::vector<std::string> arguments;  // the numbers as the sentence writes them, UTF-8
};

// Whether a regime leaves the picture with real physics behind it: the attached shock with
// its expansion, or the undisturbed stream at zero angle of attack.
bool picturesRealFlow(theory::Regime regime);

// The line for the report's regime, with θmax, α and M₁ where the sentence names them.
RegimeLine describeRegime(const TheoryReport& report);
