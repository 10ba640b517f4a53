// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Published and computed results of gas dynamics that the program's theory must reproduce:
// each with its source, the quantity, the value as printed, the tolerance that printing allows
// (half a unit of the last printed digit), and the program's own value.
//
// Every value the cases ask for goes through one evaluator, so a test can run the same cases
// against deliberately wrong physics and see that each classic mistake fails at least one.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace theory {

struct TextbookCase {
  std::string flow;                // the flow, e.g. "flat plate, M₁ = 2.6, α = 5°", UTF-8
  std::string source;              // book, edition and example, or "computed: ...", UTF-8
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

// What a case asks for.
enum class CaseQuantity {
  LowerShockAngle,     // β of the plate's (weak) lower shock [°]
  StrongShockAngle,    // β of the strong shock at θ = α [°]
  LowerPressure,       // p/p₁ below [-]
  LowerTemperature,    // T/T₁ below [-]
  LowerDensity,        // ρ/ρ₁ below [-]
  LowerMach,           // M behind the lower shock [-]
  UpperMach,           // M behind the upper fan [-]
  UpperPressure,       // p/p₁ above [-]
  UpperTemperature,    // T/T₁ above [-]
  UpperDensity,        // ρ/ρ₁ above [-]
  Lift,                // c_l, exact [-]
  Drag,                // c_d, exact [-]
  LinearLift,          // c_l by Ackeret [-]
  LinearDrag,          // c_d by Ackeret [-]
  SecondOrderLowerCp,  // c_p below by Busemann [-]
  SecondOrderUpperCp,  // c_p above by Busemann [-]
  ThirdOrderLift,      // c_l to third order [-]
  LiftLoad,            // lift on a 1 m chord [N/m]
  DragLoad,            // drag on a 1 m chord [N/m]
  MaxDeflection,       // θmax(M₁) [°]
  SonicDeflection,     // θ_s(M₁), M₂ = 1 behind the shock [°]
  VacuumAngle,         // α at which the upper fan reaches zero pressure [°]
  PrandtlMeyerAngle,   // ν(M₁) [°]
};

// The flow a case is about: a Mach number and α, or for the loads a free stream as a student
// types it (V₁, T₁, p₁), from which M₁ follows.
struct CaseQuery {
  CaseQuantity quantity = CaseQuantity::Lift;
  double mach = 2.0;         // M₁ [-]; for the loads V₁/√(γRT₁)
  double alphaDeg = 0.0;     // α or θ [°]
  double velocity = 0.0;     // V₁, loads only [m/s]
  double temperature = 0.0;  // T₁, loads only [K]
  double pressure = 0.0;     // p₁, loads only [Pa]
};

using CaseEvaluator = std::function<std::optional<double>(const CaseQuery&)>;

// The program's own answer to a query.
std::optional<double> evaluateCase(const CaseQuery& query);

// Every built-in case, computed now by `evaluate`, in reading order.
std::vector<TextbookCase> textbookCases(const CaseEvaluator& evaluate = evaluateCase);

}  // namespace theory
