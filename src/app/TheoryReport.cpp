// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TheoryReport.h"

#include <charconv>
#include <cmath>

#include "app/NumberText.h"
#include "app/RegimeLine.h"
#include "model/FlowModel.h"
#include "numeric/Elementary.h"
#include "platform/Compat.h"
#include "platform/FixedText.h"
#include "theory/Busemann.h"
#include "theory/PerfectGas.h"

namespace {

// Keeps a value only when it is a real number.
std::optional<double> realOnly(double value) {
  return std::isfinite(value) ? std::optional(value) : std::nullopt;
}
std::optional<double> realOnly(const std::optional<double>& value) {
  return value ? realOnly(*value) : std::nullopt;
}
std::optional<double> inDegrees(const std::optional<double>& radians) {
  return radians ? realOnly(theory::degrees(*radians)) : std::nullopt;
}

// One face of the exact answer, every number checked for being real.
void fillFace(FaceReport& face, double waveAngle, const std::optional<double>& mach,
              const theory::FaceRatios& ratios) {
  face.waveAngle = inDegrees(waveAngle);
  face.mach = realOnly(mach);
  face.pressure = realOnly(ratios.pressure);
  face.temperature = realOnly(ratios.temperature);
  face.density = realOnly(ratios.density);
}
std::optional<double> quotient(const std::optional<double>& a, const std::optional<double>& b) {
  if (!a || !b || *b == 0.0) return std::nullopt;
  return realOnly(*a / *b);
}

void fillModelFace(FaceReport& face, double facePressure, double freeStreamPressure) {
  face.modelPressure =
      freeStreamPressure != 0.0 ? realOnly(facePressure / freeStreamPressure) : std::nullopt;
  face.modelOverExact = quotient(face.modelPressure, face.pressure);
}

constexpr const char* kAbsent = "—";

// About four significant digits without an exponent for the sizes a plate meets; the
// exponent form only far outside them.
std::string number(const std::optional<double>& value) {
  if (!value) return kAbsent;
  const double magnitude = std::fabs(*value);
  if (magnitude == 0.0) return "0";
  if (magnitude < 1e-4 || magnitude >= 1e9) {
    char buffer[64];
    const auto end = compat::to_chars(buffer, buffer + sizeof buffer, *value,
                                      compat::chars_format::scientific, 3);
    return std::string(buffer, end.ptr);
  }
  const int digitsBeforePoint = static_cast<int>(std::floor(numeric::log10(magnitude))) + 1;
  const int decimals = digitsBeforePoint >= 4 ? 0 : 4 - digitsBeforePoint;
  return fixedText(*value, decimals);
}

// The free stream as the main window's fields show it: one formatter for both windows.
std::string asField(double value, const char* unit = nullptr) {
  if (!std::isfinite(value)) return kAbsent;
  return unit ? formatNumber(value) + " " + unit : formatNumber(value);
}

std::string angle(const std::optional<double>& degrees) {
  return degrees ? fixedText(*degrees, 2) + "°" : kAbsent;
}

std::string withUnit(const std::optional<double>& value, const char* unit) {
  return value ? number(value) + " " + unit : kAbsent;
}

// The small-disturbance theories wherever the exact answer has faces: beyond θmax they
// describe no flow.
void fillSmallDisturbance(TheoryReport& report) {
  if (const auto second = theory::busemannPlate(report.mach, report.angle)) {
    report.lower.secondOrderPressureCoefficient = realOnly(second->lowerPressure);
    report.upper.secondOrderPressureCoefficient = realOnly(second->upperPressure);
  }
  if (const auto third = theory::thirdOrderPlate(report.mach, report.angle)) {
    report.lower.thirdOrderPressureCoefficient = realOnly(third->lowerPressure);
    report.upper.thirdOrderPressureCoefficient = realOnly(third->upperPressure);
    report.thirdOrderLift = realOnly(third->lift);
    report.thirdOrderDrag = realOnly(third->drag);
  }
}

}  // namespace

TheoryReport makeTheoryReport(FlowModel& model) {
  TheoryReport report;
  const FreeStreamDerived derived = model.deriveFreeStream();
  report.mach = derived.mach;
  report.angle = model.angle;
  report.density = derived.density;
  report.velocity = model.velocity;
  report.pressure = model.pressure;

  const theory::PlateTheory exact = theory::solveFlatPlate(theory::PlateInput{
      .mach = report.mach,
      .angleOfAttack = report.angle,
      .pressure = model.pressure,
      .temperature = model.temperature,
  });
  report.regime = exact.regime;
  if (exact.maxDeflection) report.maxDeflection = inDegrees(exact.maxDeflection->deflection);
  if (exact.sonicDeflection) report.sonicDeflection = inDegrees(exact.sonicDeflection->deflection);
  report.vacuumAngle = inDegrees(exact.vacuumAngle);
  if (exact.lower)
    fillFace(report.lower, exact.lower->shockAngle, exact.lower->mach, exact.lower->ratios);
  if (exact.upper)
    fillFace(report.upper, exact.upper->prandtlMeyerAngle, exact.upper->mach, exact.upper->ratios);
  const double q = 0.5 * theory::kGamma * report.mach * report.mach;  // q₁/p₁
  for (FaceReport* face : {&report.lower, &report.upper})
    if (face->pressure) face->pressureCoefficient = realOnly((*face->pressure - 1.0) / q);
  if (exact.exact) {
    report.normalForce = realOnly(exact.exact->normalForce);
    report.lift = realOnly(exact.exact->lift);
    report.drag = realOnly(exact.exact->drag);
    report.liftToDrag = realOnly(exact.exact->liftToDrag);
  }
  if (exact.linear) {
    report.linearLift = realOnly(exact.linear->lift);
    report.linearDrag = realOnly(exact.linear->drag);
  }
  if (exact.lower) fillSmallDisturbance(report);
  if (exact.loads) {
    report.liftLoad = realOnly(exact.loads->lift);
    report.dragLoad = realOnly(exact.loads->drag);
  }

  const FacePressures faces = model.peekFacePressures();
  fillModelFace(report.lower, faces.below, model.pressure);
  fillModelFace(report.upper, faces.above, model.pressure);
  report.message = describeRegime(report).sentence;
  return report;
}

std::vector<ReportLine> reportLines(const TheoryReport& r) {
  std::vector<ReportLine> lines = {
      {"mach", "M₁", asField(r.mach)},
      {"alpha", "α", angle(realOnly(theory::degrees(r.angle)))},
      {"density", "ρ₁", asField(r.density, "kg/m³")},
      {"velocity", "V₁", asField(r.velocity, "m/s")},
      {"regime", "regime", r.message},
      {"regime_key", "regime key", theory::regimeKey(r.regime)},
      {"theta_max", "θmax", angle(r.maxDeflection)},
      {"theta_sonic", "θ_s (M₂ = 1)", angle(r.sonicDeflection)},
      {"vacuum_angle", "vacuum from α", angle(r.vacuumAngle)},
  };
  const auto face = [&lines](const char* name, const char* waveLabel, const FaceReport& f) {
    const std::string prefix = std::string(name) + " ";
    const std::string keyPrefix = std::string(name) + ".";
    lines.push_back({keyPrefix + "wave_angle", prefix + waveLabel, angle(f.waveAngle)});
    lines.push_back({keyPrefix + "mach", prefix + "M", number(f.mach)});
    lines.push_back({keyPrefix + "pressure", prefix + "p/p₁", number(f.pressure)});
    lines.push_back({keyPrefix + "temperature", prefix + "T/T₁", number(f.temperature)});
    lines.push_back({keyPrefix + "density", prefix + "ρ/ρ₁", number(f.density)});
    lines.push_back({keyPrefix + "model_pressure", prefix + "p/p₁ model", number(f.modelPressure)});
    lines.push_back(
        {keyPrefix + "model_over_exact", prefix + "model / exact", number(f.modelOverExact)});
    lines.push_back({keyPrefix + "cp", prefix + "c_p", number(f.pressureCoefficient)});
    lines.push_back({keyPrefix + "cp_second_order", prefix + "c_p 2nd order",
                     number(f.secondOrderPressureCoefficient)});
    lines.push_back({keyPrefix + "cp_third_order", prefix + "c_p 3rd order",
                     number(f.thirdOrderPressureCoefficient)});
  };
  face("lower", "β", r.lower);
  face("upper", "ν(M₁)+α", r.upper);
  lines.push_back({"normal_force", "c_n", number(r.normalForce)});
  lines.push_back({"lift", "c_l", number(r.lift)});
  lines.push_back({"drag", "c_d", number(r.drag)});
  lines.push_back({"lift_to_drag", "L/D", number(r.liftToDrag)});
  lines.push_back({"linear_lift", "Ackeret c_l", number(r.linearLift)});
  lines.push_back({"linear_drag", "Ackeret c_d", number(r.linearDrag)});
  lines.push_back({"second_order_note", "2nd order", kSecondOrderNote});
  lines.push_back({"third_order_lift", "3rd order c_l", number(r.thirdOrderLift)});
  lines.push_back({"third_order_drag", "3rd order c_d", number(r.thirdOrderDrag)});
  lines.push_back({"lift_load", "lift, 1 m chord", withUnit(r.liftLoad, "N/m")});
  lines.push_back({"drag_load", "drag, 1 m chord", withUnit(r.dragLoad, "N/m")});
  return lines;
}
