// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "app/NumberText.h"
#include "platform/Compat.h"
#include "platform/FixedText.h"
#include "theory/PerfectGas.h"

namespace {

// A cell never breaks the table: tabs and line ends inside it become spaces.
std::string cell(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return text;
}

std::string reportValue(const TheoryReport& report, const std::string& key) {
  for (const ReportLine& line : reportLines(report))
    if (line.key == key) return line.value;
  return "";
}

constexpr std::array<std::pair<FieldId, const char*>, 9> kProbeColumns = {{
    {FieldId::T, "T [K]"},
    {FieldId::P, "P [Pa]"},
    {FieldId::Rho, "ρ [kg/m³]"},
    {FieldId::C, "c [m/s]"},
    {FieldId::M, "M [-]"},
    {FieldId::V0, "V₀ [m³/kg]"},
    {FieldId::V, "V [m/s]"},
    {FieldId::Vphi, "V_φ [m/s]"},
    {FieldId::Vr, "V_r [m/s]"},
}};

}  // namespace

std::string valuesTable(const FieldTexts& fields, const FlowModel& model,
                        const std::optional<ProbedPoint>& probed, const TheoryReport& report) {
  // The free stream and α with every digit they need to read back (a typed 1e-300 is not
  // "0.000"); the probe's values as the fields show them.
  const FreeStreamDerived derived = model.deriveFreeStream();
  std::vector<std::pair<std::string, std::string>> columns = {
      {"V₁ [m/s]", roundTripText(model.velocity)},
      {"T₁ [K]", roundTripText(model.temperature)},
      {"P₁ [Pa]", roundTripText(model.pressure)},
      {"ρ₁ [kg/m³]", roundTripText(model.density)},
      {"c₁ [m/s]", roundTripText(derived.soundSpeed)},
      {"M₁ [-]", roundTripText(derived.mach)},
      {"V₀₁ [m³/kg]", roundTripText(derived.specificVolume)},
      {"α [°]", roundTripText(theory::degrees(model.angle))},
      {"x [px]", probed ? std::to_string(probed->x) : ""},
      {"y [px]", probed ? std::to_string(probed->y) : ""},
  };
  for (const auto& [id, name] : kProbeColumns)
    columns.emplace_back(name, probed ? fields.text(id) : "");
  // The stable key, as the batch tool's outputs write it: a spreadsheet can sort on it.
  columns.emplace_back("regime", theory::regimeKey(report.regime));
  columns.emplace_back("c_l [-]", reportValue(report, "lift"));
  columns.emplace_back("c_d [-]", reportValue(report, "drag"));

  std::string names;
  std::string values;
  for (const auto& [name, value] : columns) {
    if (!names.empty()) {
      names += '\t';
      values += '\t';
    }
    names += name;
    values += cell(value);
  }
  return names + '\n' + values + '\n';
}

std::string pictureFileName(double mach, double angle) {
  // Two decimals read well; a number past a million gets three significant digits instead,
  // so that the name stays far below the 255 bytes a file name may have.
  const auto part = [](double value) {
    if (!(std::fabs(value) >= 1e6)) return fixedText(value, 2);
    char buffer[32];
    const auto end = compat::to_chars(buffer, buffer + sizeof buffer, value,
                                      compat::chars_format::scientific, 2);
    std::string text(buffer, end.ptr);
    std::erase(text, '+');
    return text;
  };
  std::string name = "zerkon-M" + part(mach) + "-a" + part(theory::degrees(angle)) + ".png";
  for (char& c : name) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                       c == '.' || c == '-';
    if (!plain) c = '_';
  }
  return name;
}
