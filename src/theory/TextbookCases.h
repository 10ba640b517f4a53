// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Published results of gas dynamics that the program's theory must reproduce: each with its
// source, the quantity, the value as printed, the tolerance that printing allows, and the
// program's own value.

#include <optional>
#include <string>
#include <vector>

namespace theory {

struct TextbookCase {
  std::string flow;                // the flow, e.g. "flat plate, M₁ = 2.6, α = 5°", UTF-8
  std::string source;              // book and example, or table, UTF-8
  std::string quantity;            // what is compared, with its unit, UTF-8
  double published = 0.0;          // as printed [the quantity's unit]
  int printedDecimals = 0;         // how many decimals the source prints [-]
  double tolerance = 0.0;          // what the printed rounding allows [the same unit]
  std::optional<double> computed;  // the program's value; nullopt where it has none
  std::string note;                // why the case says what it says, where that needs saying

  // True when the program has a value within the tolerance of the published one.
  bool passes() const;
  // The published value as the source prints it, trailing zeros kept ("83.70").
  std::string printed() const;
};

// Every built-in case, computed now, in reading order.
std::vector<TextbookCase> textbookCases();

}  // namespace theory
