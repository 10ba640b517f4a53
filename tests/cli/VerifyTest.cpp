// SPDX-License-Identifier: GPL-3.0-or-later
// The verify command's forms: a failing or unanswered case is reported as such, never as a pass.
#include "cli/Verify.h"

#include <gtest/gtest.h>

namespace {

TEST(Verify, AFailingOrUnansweredCaseFailsTheRun) {
  const auto make = [](const char* flow, const char* source, double published, int decimals,
                       double tolerance, std::optional<double> computed, const char* note) {
    theory::TextbookCase c;
    c.flow = flow;
    c.source = source;
    c.quantity = "β [°]";
    c.published = published;
    c.printedDecimals = decimals;
    c.tolerance = tolerance;
    c.computed = computed;
    c.note = note;
    return c;
  };
  const std::vector<theory::TextbookCase> cases = {
      make("wedge", "table", 39.31, 2, 0.005, 39.3139, ""),
      make("wedge", "table", 83.70, 2, 0.005, 83.8, ""),
      make("fan", "other table", 26.380, 3, 0.0005, std::nullopt, "why"),
  };

  EXPECT_FALSE(allPass(cases));
  EXPECT_TRUE(allPass({cases[0]}));

  const std::string text = verifyText(cases);
  EXPECT_NE(text.find("83.70"), std::string::npos) << text;  // as printed
  EXPECT_NE(text.find("FAIL\n"), std::string::npos) << text;
  EXPECT_NE(text.find("—"), std::string::npos) << text;
  EXPECT_NE(text.find("  note: why\n"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("\n1 of 3 cases pass; 2 FAIL\n")) << text;

  const std::string json = toJson(verifyReport(cases));
  EXPECT_EQ(json.rfind(R"({"passed":false,"failures":2,"cases":[)", 0), 0u) << json;
  EXPECT_NE(json.find(R"("value":null,"difference":null,"passed":false,"note":"why")"),
            std::string::npos)
      << json;
}

}  // namespace
