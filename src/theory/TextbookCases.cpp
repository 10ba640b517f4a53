// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in textbook cases and the program's answers to them.
#include "theory/TextbookCases.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "numeric/Elementary.h"
#include "platform/Compat.h"
#include "platform/FixedText.h"
#include "theory/Busemann.h"
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

std::optional<double> inDegrees(const std::optional<double>& radiansValue) {
  return radiansValue ? std::optional(degrees(*radiansValue)) : std::nullopt;
}

// The exact answer, and for the loads the free stream's own p₁ and T₁.
PlateTheory plate(const CaseQuery& q) {
  PlateInput input{.mach = q.mach, .angleOfAttack = radians(q.alphaDeg)};
  if (q.pressure > 0.0) {
    input.pressure = q.pressure;
    input.temperature = q.temperature;
  }
  return solveFlatPlate(input);
}

}  // namespace

std::optional<double> evaluateCase(const CaseQuery& q) {
  const double alpha = radians(q.alphaDeg);
  const auto lowerRatio = [](const PlateTheory& p, double FaceRatios::*field) {
    return p.lower ? std::optional(p.lower->ratios.*field) : std::nullopt;
  };
  const auto upperRatio = [](const PlateTheory& p, double FaceRatios::*field) {
    return p.upper && p.upper->mach ? std::optional(p.upper->ratios.*field) : std::nullopt;
  };
  switch (q.quantity) {
    case CaseQuantity::LowerShockAngle: {
      const PlateTheory p = plate(q);
      return p.lower ? std::optional(degrees(p.lower->shockAngle)) : std::nullopt;
    }
    case CaseQuantity::StrongShockAngle:
      return inDegrees(strongShockAngle(q.mach, alpha));
    case CaseQuantity::LowerPressure:
      return lowerRatio(plate(q), &FaceRatios::pressure);
    case CaseQuantity::LowerTemperature:
      return lowerRatio(plate(q), &FaceRatios::temperature);
    case CaseQuantity::LowerDensity:
      return lowerRatio(plate(q), &FaceRatios::density);
    case CaseQuantity::LowerMach: {
      const PlateTheory p = plate(q);
      return p.lower ? std::optional(p.lower->mach) : std::nullopt;
    }
    case CaseQuantity::UpperMach: {
      const PlateTheory p = plate(q);
      return p.upper ? p.upper->mach : std::nullopt;
    }
    case CaseQuantity::UpperPressure:
      return upperRatio(plate(q), &FaceRatios::pressure);
    case CaseQuantity::UpperTemperature:
      return upperRatio(plate(q), &FaceRatios::temperature);
    case CaseQuantity::UpperDensity:
      return upperRatio(plate(q), &FaceRatios::density);
    case CaseQuantity::Lift: {
      const PlateTheory p = plate(q);
      return p.exact ? std::optional(p.exact->lift) : std::nullopt;
    }
    case CaseQuantity::Drag: {
      const PlateTheory p = plate(q);
      return p.exact ? std::optional(p.exact->drag) : std::nullopt;
    }
    case CaseQuantity::LinearLift: {
      const PlateTheory p = plate(q);
      return p.linear ? std::optional(p.linear->lift) : std::nullopt;
    }
    case CaseQuantity::LinearDrag: {
      const PlateTheory p = plate(q);
      return p.linear ? std::optional(p.linear->drag) : std::nullopt;
    }
    case CaseQuantity::SecondOrderLowerCp: {
      const auto b = busemannPlate(q.mach, alpha);
      return b ? std::optional(b->lowerPressure) : std::nullopt;
    }
    case CaseQuantity::SecondOrderUpperCp: {
      const auto b = busemannPlate(q.mach, alpha);
      return b ? std::optional(b->upperPressure) : std::nullopt;
    }
    case CaseQuantity::ThirdOrderLift: {
      const auto t = thirdOrderPlate(q.mach, alpha);
      return t ? std::optional(t->lift) : std::nullopt;
    }
    case CaseQuantity::LiftLoad: {
      const PlateTheory p = plate(q);
      return p.loads ? std::optional(p.loads->lift) : std::nullopt;
    }
    case CaseQuantity::DragLoad: {
      const PlateTheory p = plate(q);
      return p.loads ? std::optional(p.loads->drag) : std::nullopt;
    }
    case CaseQuantity::MaxDeflection: {
      const auto top = maxDeflection(q.mach);
      return top ? std::optional(degrees(top->deflection)) : std::nullopt;
    }
    case CaseQuantity::SonicDeflection: {
      const auto sonic = sonicDeflection(q.mach);
      return sonic ? std::optional(degrees(sonic->deflection)) : std::nullopt;
    }
    case CaseQuantity::VacuumAngle:
      return inDegrees(plate(q).vacuumAngle);
    case CaseQuantity::PrandtlMeyerAngle:
      return inDegrees(prandtlMeyer(q.mach));
  }
  return std::nullopt;
}

namespace {

constexpr const char* kComputed =
    "computed: the exact oblique-shock and Prandtl-Meyer relations, γ = 1.4 (the digits "
    "printed tables of them give)";

// Builds the cases in reading order, each value asked of one evaluator.
class CaseList {
 public:
  explicit CaseList(const CaseEvaluator& evaluate) : evaluate(evaluate) {}

  // A case from the value as the source prints it: its digits give the number, how many
  // decimals to show and, unless a source's own reading says otherwise, the tolerance of
  // half a unit of the last digit.
  void add(const std::string& flow, const std::string& source, const std::string& quantity,
           std::string_view printed, const CaseQuery& query, std::string note = {},
           std::optional<double> tolerance = std::nullopt) {
    TextbookCase c{.flow = flow, .source = source, .quantity = quantity, .note = std::move(note)};
    compat::from_chars(printed.data(), printed.data() + printed.size(), c.published);
    const std::size_t point = printed.find('.');
    c.printedDecimals =
        point == std::string_view::npos ? 0 : static_cast<int>(printed.size() - point - 1);
    c.tolerance = tolerance.value_or(0.5 * numeric::pow(10.0, -c.printedDecimals));
    c.computed = evaluate(query);
    cases.push_back(std::move(c));
  }

  std::vector<TextbookCase> cases;

 private:
  const CaseEvaluator& evaluate;
};

CaseQuery at(CaseQuantity quantity, double mach, double alphaDeg = 0.0) {
  return CaseQuery{.quantity = quantity, .mach = mach, .alphaDeg = alphaDeg};
}

// A free stream as typed: V₁, T₁, p₁, with M₁ = V₁/√(γRT₁) as the program derives it.
CaseQuery stream(CaseQuantity quantity, double velocity, double temperature, double pressure,
                 double alphaDeg) {
  return CaseQuery{.quantity = quantity,
                   .mach = velocity / std::sqrt(temperature * kSoundSpeedFactor),
                   .alphaDeg = alphaDeg,
                   .velocity = velocity,
                   .temperature = temperature,
                   .pressure = pressure};
}

void addTextbookPlate(CaseList& list) {
  using Q = CaseQuantity;
  const std::string flow = "flat plate, M₁ = 2.6, α = 5°";
  const char* book =
      "Anderson, Modern Compressible Flow, 3rd ed. (McGraw-Hill, 2003), ch. 4: the worked "
      "example of shock-expansion theory on a flat plate at M₁ = 2.6, α = 5°, solved with the "
      "book's tables";
  const char* why =
      "the book reads β = 26.5° off the θ-β-M chart and rounds each look-up (p/p₁ = 1.403 "
      "below, 0.7022 above); the exact relations give β = 26.41°, 1.3942 and 0.69995, hence "
      "0.14615 and 0.012786: the look-ups allow about ±0.002 in c_l and ±0.0002 in c_d, so the "
      "exact companions below carry the tight check";
  list.add(flow, book, "c_l from rounded look-ups [-]", "0.148", at(Q::Lift, 2.6, 5.0), why, 0.002);
  list.add(flow, book, "c_d from rounded look-ups [-]", "0.0129", at(Q::Drag, 2.6, 5.0), why,
           0.0002);
  const char* exact = "computed: the same flow by the exact relations, without look-ups";
  list.add(flow, exact, "c_l, exact [-]", "0.14615", at(Q::Lift, 2.6, 5.0));
  list.add(flow, exact, "c_d, exact [-]", "0.012786", at(Q::Drag, 2.6, 5.0));
  list.add(flow, exact, "lower face: T/T₁ [-]", "1.1008", at(Q::LowerTemperature, 2.6, 5.0));
  list.add(flow, exact, "lower face: ρ/ρ₁ [-]", "1.2665", at(Q::LowerDensity, 2.6, 5.0));
  list.add(flow, exact, "upper face: T/T₁ [-]", "0.9031", at(Q::UpperTemperature, 2.6, 5.0));
  list.add(flow, exact, "upper face: ρ/ρ₁ [-]", "0.7751", at(Q::UpperDensity, 2.6, 5.0));
  const char* ackeret = "computed: Ackeret's linear theory, c_l = 4α/√(M₁²−1), c_d = 4α²/√(M₁²−1)";
  list.add(flow, ackeret, "c_l, Ackeret [-]", "0.14544", at(Q::LinearLift, 2.6, 5.0));
  list.add(flow, ackeret, "c_d, Ackeret [-]", "0.012692", at(Q::LinearDrag, 2.6, 5.0));
  const char* second =
      "computed: Busemann's second order, c_p = C₁θ + C₂θ² (Lighthill, Higher Approximations "
      "in Aerodynamic Theory, Princeton, 1960)";
  list.add(flow, second, "lower face: c_p, second order [-]", "0.082665",
           at(Q::SecondOrderLowerCp, 2.6, 5.0));
  list.add(flow, second, "upper face: c_p, second order [-]", "-0.062779",
           at(Q::SecondOrderUpperCp, 2.6, 5.0));
  const char* third =
      "computed: third order with the shock's term D on the compression face (Lighthill, "
      "Higher Approximations in Aerodynamic Theory, Princeton, 1960)";
  list.add(flow, third, "c_l, third order [-]", "0.14617", at(Q::ThirdOrderLift, 2.6, 5.0),
           "third order is 2·10⁻⁵ above the exact c_l at 5°, where Ackeret is 0.5 % below");
}

void addLoads(CaseList& list) {
  using Q = CaseQuantity;
  const char* source =
      "computed: q₁ = ½γp₁M₁² from the free stream itself, times the exact c_l and c_d on a "
      "1 m chord";
  const std::string thin = "loads, V₁ = 900 m/s, T₁ = 273 K, P₁ = 30 Pa, α = 10°";
  const char* why =
      "the density field shows 0.000 kg/m³ here: loads taken from it would read 0 N/m";
  list.add(thin, source, "lift [N/m]", "43.07", stream(Q::LiftLoad, 900, 273, 30, 10), why);
  list.add(thin, source, "drag [N/m]", "7.59", stream(Q::DragLoad, 900, 273, 30, 10), why);
  const std::string high = "loads at 30 km, V₁ = 600 m/s, T₁ = 220 K, P₁ = 1200 Pa, α = 10°";
  list.add(high, source, "lift [N/m]", "1362.08", stream(Q::LiftLoad, 600, 220, 1200, 10),
           "the density field's three decimals (0.018 for 0.01837) would make it 2 % low");
}

void addPlateFaces(CaseList& list, double mach, double alphaDeg, std::string_view beta,
                   std::string_view pressure, std::string_view upperMach) {
  using Q = CaseQuantity;
  const std::string flow =
      "flat plate, M₁ = " + fixedText(mach, 0) + ", α = " + fixedText(alphaDeg, 0) + "°";
  list.add(flow, kComputed, "lower face: shock angle β [°]", beta,
           at(Q::LowerShockAngle, mach, alphaDeg));
  list.add(flow, kComputed, "lower face: p/p₁ [-]", pressure, at(Q::LowerPressure, mach, alphaDeg));
  list.add(flow, kComputed, "upper face: M behind the fan [-]", upperMach,
           at(Q::UpperMach, mach, alphaDeg));
}

void addBoundaries(CaseList& list) {
  using Q = CaseQuantity;
  const struct {
    double mach;
    const char* largest;
    const char* sonic;
  } limits[] = {{1.5, "12.11", "11.69"}, {2.0, "22.97", "22.71"}, {3.0, "34.07", "34.01"},
                {4.0, "38.77", "38.75"}, {5.0, "41.12", "41.11"}, {10.0, "44.43", "44.43"}};
  const char* sonicWhy =
      "θ_s, where the gas behind the shock turns sonic, lies below θmax by 0.4° at M₁ = 1.5, "
      "0.27° at M₁ = 2 and less at higher Mach numbers: taking one for the other fails here";
  for (const auto& c : limits) {
    const std::string flow = "regime boundaries, M₁ = " + fixedText(c.mach, c.mach < 2 ? 1 : 0);
    list.add(flow, kComputed, "θmax, largest attached deflection [°]", c.largest,
             at(Q::MaxDeflection, c.mach));
    list.add(flow, kComputed, "θ_s, sonic behind the shock [°]", c.sonic,
             at(Q::SonicDeflection, c.mach), sonicWhy);
  }
  const struct {
    double mach;
    const char* angle;
  } vacuum[] = {{3.0, "80.70"}, {5.0, "53.53"}, {10.0, "28.14"}};
  for (const auto& c : vacuum) {
    list.add("regime boundaries, M₁ = " + fixedText(c.mach, 0),
             "computed: ν_max − ν(M₁), ν_max = (π/2)(√6 − 1) for γ = 1.4",
             "vacuum above the plate from α [°]", c.angle, at(Q::VacuumAngle, c.mach));
  }
}

}  // namespace

std::vector<TextbookCase> textbookCases(const CaseEvaluator& evaluate) {
  using Q = CaseQuantity;
  CaseList list(evaluate);
  addTextbookPlate(list);
  addLoads(list);

  {
    const std::string flow = "flat plate, M₁ = 2, α = 2°";
    addPlateFaces(list, 2.0, 2.0, "31.65", "1.118", "2.073");
    list.add(flow, "computed: Ackeret's linear theory, c_l = 4α/√(M₁²−1) = 0.0806",
             "c_l, exact [-]", "0.0806", at(Q::Lift, 2.0, 2.0),
             "at 2° the exact answer and linear theory agree to three figures");
  }
  addPlateFaces(list, 3.0, 10.0, "27.38", "2.054", "3.578");
  addPlateFaces(list, 3.0, 30.0, "52.01", "6.356", "5.319");

  const std::string wedge = "wedge, M₁ = 2, θ = 10°";
  list.add(wedge, kComputed, "β, weak shock [°]", "39.31", at(Q::LowerShockAngle, 2.0, 10.0));
  list.add(wedge, kComputed, "β, strong shock [°]", "83.70", at(Q::StrongShockAngle, 2.0, 10.0),
           "the strong branch: subsonic behind the shock, never the plate's");

  addBoundaries(list);

  for (const auto& [mach, angle] : {std::pair{2.0, "26.380"}, std::pair{3.0, "49.757"}}) {
    list.add("Prandtl-Meyer function, M = " + fixedText(mach, 0), kComputed, "ν [°]", angle,
             at(Q::PrandtlMeyerAngle, mach));
  }

  const std::string table = "oblique shock, M₁ = 1.3, θ = 5°";
  list.add(table, kComputed, "β [°]", "59.96", at(Q::LowerShockAngle, 1.3, 5.0));
  list.add(table, kComputed, "M₂ [-]", "1.090", at(Q::LowerMach, 1.3, 5.0));
  list.add(table, kComputed, "p₂/p₁ [-]", "1.311", at(Q::LowerPressure, 1.3, 5.0));
  return std::move(list.cases);
}

}  // namespace theory
