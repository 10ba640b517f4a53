// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window hands out: the table of values for the clipboard and the name a saved
// picture is offered under.

#include <optional>
#include <string>

#include "app/FieldLogic.h"
#include "app/TheoryReport.h"

// A point of the picture that was probed.
struct ProbedPoint {
  int x = 0;  // pixels
  int y = 0;  // pixels
};

// Two tab-separated rows, each ending in a newline: the names with their units, then the
// values. The free stream as the model holds it (V₁, T₁, P₁, the shown ρ₁ read back) and
// derives it (c₁, M₁, V₀₁) and α in degrees, each in the shortest text that reads back to the
// same double; the probed point and its nine values as shown (empty while nothing was
// probed), and the theory's regime, c_l and c_d. A spreadsheet takes it as columns.
std::string valuesTable(const FieldTexts& fields, const FlowModel& model,
                        const std::optional<ProbedPoint>& probed, const TheoryReport& report);

// "zerkon-M1.34-a34.62.png": M₁ and α in degrees, two decimals each (three significant
// digits from a million on: "zerkon-M4.40e152-a5.73.png", so the name stays short); any
// character a file name should not carry becomes "_".
std::string pictureFileName(double mach, double angle);
