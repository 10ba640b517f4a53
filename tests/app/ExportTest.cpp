// SPDX-License-Identifier: GPL-3.0-or-later
// The copied table pastes as columns with a unit on every name; the picture's file name
// carries the flow and nothing a file system would trip over.
#include "app/Export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <sstream>
#include <vector>

#include "model/FlowModel.h"

namespace {

std::vector<std::string> split(const std::string& row) {
  std::vector<std::string> cells;
  std::string cell;
  std::istringstream in(row);
  while (std::getline(in, cell, '\t')) cells.push_back(cell);
  if (!row.empty() && row.back() == '\t') cells.emplace_back();
  return cells;
}

struct Table {
  std::vector<std::string> names;
  std::vector<std::string> values;
};

Table tableFor(const std::optional<ProbedPoint>& probed) {
  FlowModel model;
  model.setView(672, 465);
  StoredFieldTexts fields;
  attachFields(fields);
  recomputeFreeStream(fields, model);
  model.setPlateAngle(0.12);
  if (probed) showProbe(fields, model, probed->x, probed->y);
  const std::string text = valuesTable(fields, model, probed, makeTheoryReport(model));
  EXPECT_EQ(text.back(), '\n');
  const std::size_t end = text.find('\n');
  EXPECT_EQ(text.find('\n', end + 1), text.size() - 1) << "two rows";
  return {split(text.substr(0, end)), split(text.substr(end + 1, text.size() - end - 2))};
}

TEST(ValuesTable, OneColumnPerQuantityWithItsUnit) {
  const Table t = tableFor(ProbedPoint{300, 330});
  const std::vector<std::string> names = {
      "V₁ [m/s]",    "T₁ [K]",  "P₁ [Pa]", "ρ₁ [kg/m³]", "c₁ [m/s]", "M₁ [-]",
      "V₀₁ [m³/kg]", "α [°]",   "x [px]",  "y [px]",     "T [K]",    "P [Pa]",
      "ρ [kg/m³]",   "c [m/s]", "M [-]",   "V₀ [m³/kg]", "V [m/s]",  "V_φ [m/s]",
      "V_r [m/s]",   "regime",  "c_l [-]", "c_d [-]"};
  EXPECT_EQ(t.names, names);
  ASSERT_EQ(t.values.size(), names.size());
  const std::vector<std::string> start = {"450", "273", "100000", "1.234"};
  EXPECT_EQ(std::vector<std::string>(t.values.begin(), t.values.begin() + 4), start);
  // Every digit the value needs: it reads back to the same double.
  EXPECT_EQ(std::stod(t.values[7]), 0.12 * 180 / std::numbers::pi);
  EXPECT_NEAR(std::stod(t.values[5]), 1.336, 5e-4);
  EXPECT_EQ(t.values[8], "300");
  EXPECT_EQ(t.values[19], "attached");
  for (std::size_t i = 10; i < t.values.size(); ++i) EXPECT_FALSE(t.values[i].empty()) << names[i];
}

TEST(ValuesTable, NothingProbedLeavesThePointsCellsEmpty) {
  const Table t = tableFor(std::nullopt);
  ASSERT_EQ(t.values.size(), t.names.size());
  for (std::size_t i = 8; i < 19; ++i) EXPECT_EQ(t.values[i], "") << t.names[i];
  EXPECT_FALSE(t.values[20].empty());
}

TEST(PictureFileName, CarriesMachAndAngleAndOnlyPlainCharacters) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double mach, angle;
    const char* name;
  } cases[] = {
      {1.3357, 34.62 * std::acos(-1.0) / 180, "zerkon-M1.34-a34.62.png"},
      {0.0, 0.0, "zerkon-M0.00-a0.00.png"},
      {inf, 0.1, "zerkon-Minf-a5.73.png"},
      {nan, nan, "zerkon-Mnan-anan.png"},
      {4.4e152, 0.1, "zerkon-M4.40e152-a5.73.png"},  // not 153 digits
      {-1.7e308, 0.1, "zerkon-M-1.70e308-a5.73.png"},
  };
  for (const auto& c : cases) EXPECT_EQ(pictureFileName(c.mach, c.angle), c.name);
}

}  // namespace
