// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verify command: the built-in textbook cases, each beside the program's own value, as
// text grouped by flow and source or as one JSON document.

#include <string>
#include <vector>

#include "session/Document.h"
#include "theory/TextbookCases.h"

// {"passed", "failures", "cases": [{"flow", "source", "quantity", "published", "printed",
// "tolerance", "value", "difference", "passed", "note"}, ...]}; value and difference are null where
// the program has no value, note where a case needs none.
Node verifyReport(const std::vector<theory::TextbookCase>& cases);

// For a person: each flow with its source, one aligned line per quantity, the notes, and a
// last line counting the cases that pass.
std::string verifyText(const std::vector<theory::TextbookCase>& cases);

// True when every case passes; the tool exits 1 otherwise.
bool allPass(const std::vector<theory::TextbookCase>& cases);
