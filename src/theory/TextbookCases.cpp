// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in textbook cases and the program's answers to them.
#include "theory/TextbookCases.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "platform/Compat.h"
#include "platform/FixedText.h"
#include "theory/FlatPlate.h"
#include "theory/ObliqueShock.h"
#include "theory/PerfectGas.h"
#include "theory/PrandtlMeyer.h"

namespace theory {

bool TextbookCase::passes() const {
  return computed && std::isfinite(*computed) && std::fabs(*computed - published) <= tolerance;
}

std::string TextbookCase::printed() const {
  return fixedText(published, printedDecimals);
}

namespace {

constexpr const char* kShockTables = "oblique-shock tables, γ = 1.4";
constexpr const char* kFanTables = "Prandtl-Meyer tables, γ = 1.4";

// A whole number of hundredths or thousandths is half a unit of its last printed digit.
constexpr double kHalfHundredth = 0.005;
constexpr double kHalfThousandth = 0.0005;

// A case from the value as the source prints it: its digits give both the number and how
// many decimals to show.
TextbookCase printedCase(std::string flow, std::string source, std::string quantity,
                         std::string_view printed, double tolerance, std::optional<double> computed,
                         std::string note = {}) {
  TextbookCase c{.flow = std::move(flow),
                 .source = std::move(source),
                 .quantity = std::move(quantity),
                 .tolerance = tolerance,
                 .computed = computed,
                 .note = std::move(note)};
  compat::from_chars(printed.data(), printed.data() + printed.size(), c.published);
  const std::size_t point = printed.find('.');
  c.printedDecimals =
      point == std::string_view::npos ? 0 : static_cast<int>(printed.size() - point - 1);
  return c;
}

std::optional<double> inDegrees(const std::optional<double>& radiansValue) {
  return radiansValue ? std::optional(degrees(*radiansValue)) : std::nullopt;
}

PlateTheory plate(double mach, double alphaDeg) {
  return solveFlatPlate({.mach = mach, .angleOfAttack = radians(alphaDeg)});
}

std::optional<double> lowerShockAngle(const PlateTheory& p) {
  return p.lower ? std::optional(degrees(p.lower->shockAngle)) : std::nullopt;
}
std::optional<double> lowerPressure(const PlateTheory& p) {
  return p.lower ? std::optional(p.lower->ratios.pressure) : std::nullopt;
}
std::optional<double> upperMach(const PlateTheory& p) {
  return p.upper ? p.upper->mach : std::nullopt;
}
std::optional<double> lift(const PlateTheory& p) {
  return p.exact ? std::optional(p.exact->lift) : std::nullopt;
}
std::optional<double> drag(const PlateTheory& p) {
  return p.exact ? std::optional(p.exact->drag) : std::nullopt;
}

// The faces of a plate case, each read from the tables as a textbook solution does.
void addPlateFaces(std::vector<TextbookCase>& cases, const std::string& flow, const PlateTheory& p,
                   std::string_view beta, std::string_view pressure, std::string_view mach) {
  cases.push_back(printedCase(flow, kShockTables, "lower face: shock angle β [°]", beta,
                              kHalfHundredth, lowerShockAngle(p)));
  cases.push_back(printedCase(flow, kShockTables, "lower face: p/p₁ [-]", pressure, kHalfThousandth,
                              lowerPressure(p)));
  cases.push_back(printedCase(flow, kFanTables, "upper face: M behind the fan [-]", mach,
                              kHalfThousandth, upperMach(p)));
}

void addTextbookPlate(std::vector<TextbookCase>& cases) {
  const std::string flow = "flat plate, M₁ = 2.6, α = 5°";
  const PlateTheory p = plate(2.6, 5.0);
  const char* book =
      "Anderson, Modern Compressible Flow, ch. 4: the flat-plate example of "
      "shock-expansion theory, solved with the book's tables";
  const char* why =
      "the book reads β = 26.5° off the θ-β-M chart and rounds each look-up (p/p₁ = 1.403 "
      "below, 0.7022 above); the exact relations give β = 26.41°, 1.3942 and 0.69995, hence "
      "0.14615 and 0.012786: the look-ups allow about ±0.002 in c_l and ±0.0002 in c_d";
  cases.push_back(
      printedCase(flow, book, "c_l from rounded look-ups [-]", "0.148", 0.002, lift(p), why));
  cases.push_back(
      printedCase(flow, book, "c_d from rounded look-ups [-]", "0.0129", 0.0002, drag(p), why));
  const char* exact = "the same flow by the exact relations, without look-ups";
  cases.push_back(printedCase(flow, exact, "c_l, exact [-]", "0.14615", 0.000005, lift(p)));
  cases.push_back(printedCase(flow, exact, "c_d, exact [-]", "0.012786", 0.0000005, drag(p)));
}

}  // namespace

std::vector<TextbookCase> textbookCases() {
  std::vector<TextbookCase> cases;
  addTextbookPlate(cases);

  {
    const std::string flow = "flat plate, M₁ = 2, α = 2°";
    const PlateTheory p = plate(2.0, 2.0);
    addPlateFaces(cases, flow, p, "31.65", "1.118", "2.073");
    cases.push_back(printedCase(flow, "Ackeret's linear theory, c_l = 4α/√(M₁²−1) = 0.0806",
                                "c_l, exact [-]", "0.0806", kHalfThousandth, lift(p),
                                "at 2° the exact answer and linear theory agree to three "
                                "figures"));
  }
  addPlateFaces(cases, "flat plate, M₁ = 3, α = 10°", plate(3.0, 10.0), "27.38", "2.054", "3.578");
  addPlateFaces(cases, "flat plate, M₁ = 3, α = 30°", plate(3.0, 30.0), "52.01", "6.356", "5.319");

  const std::string wedge = "wedge, M₁ = 2, θ = 10°";
  cases.push_back(printedCase(wedge, kShockTables, "β, weak shock [°]", "39.31", kHalfHundredth,
                              inDegrees(weakShockAngle(2.0, radians(10.0)))));
  cases.push_back(printedCase(wedge, kShockTables, "β, strong shock [°]", "83.70", kHalfHundredth,
                              inDegrees(strongShockAngle(2.0, radians(10.0))),
                              "the strong branch: subsonic behind the shock, never the plate's"));

  const struct {
    const char* flow;
    double mach;
    const char* deflection;
  } largest[] = {{"largest deflection, M₁ = 1.5", 1.5, "12.11"},
                 {"largest deflection, M₁ = 2", 2.0, "22.97"},
                 {"largest deflection, M₁ = 3", 3.0, "34.07"},
                 {"largest deflection, M₁ = 4", 4.0, "38.77"},
                 {"largest deflection, M₁ = 5", 5.0, "41.12"},
                 {"largest deflection, M₁ = 10", 10.0, "44.43"}};
  for (const auto& c : largest) {
    const auto top = maxDeflection(c.mach);
    cases.push_back(printedCase(c.flow, kShockTables, "θmax [°]", c.deflection, kHalfHundredth,
                                top ? std::optional(degrees(top->deflection)) : std::nullopt));
  }

  const struct {
    const char* flow;
    double mach;
    const char* angle;
  } fans[] = {{"Prandtl-Meyer function, M = 2", 2.0, "26.380"},
              {"Prandtl-Meyer function, M = 3", 3.0, "49.757"}};
  for (const auto& c : fans) {
    cases.push_back(printedCase(c.flow, kFanTables, "ν [°]", c.angle, kHalfThousandth,
                                inDegrees(prandtlMeyer(c.mach))));
  }

  const std::string table = "oblique shock, M₁ = 1.3, θ = 5°";
  const auto shock = weakObliqueShock(1.3, radians(5.0));
  cases.push_back(printedCase(table, kShockTables, "β [°]", "59.96", kHalfHundredth,
                              shock ? std::optional(degrees(shock->shockAngle)) : std::nullopt));
  cases.push_back(printedCase(table, kShockTables, "M₂ [-]", "1.090", kHalfThousandth,
                              shock ? std::optional(shock->downstreamMach) : std::nullopt));
  cases.push_back(printedCase(table, kShockTables, "p₂/p₁ [-]", "1.311", kHalfThousandth,
                              shock ? std::optional(shock->jump.pressure) : std::nullopt));
  return cases;
}

}  // namespace theory
