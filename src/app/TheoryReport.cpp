// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TheoryReport.h"

#include <charconv>
#include <cmath>

#include "model/FlowModel.h"
#include "numeric/Elementary.h"
#include "platform/Compat.h"
#include "platform/FixedText.h"
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

std::string angle(const std::optional<double>& degrees) {
  return degrees ? fixedText(*degrees, 2) + "°" : kAbsent;
}

std::string withUnit(const std::optional<double>& value, const char* unit) {
  return value ? number(value) + " " + unit : kAbsent;
}

}  // namespace

TheoryReport makeTheoryReport(FlowModel& model) {
  TheoryReport report;
  report.mach = model.deriveFreeStream().mach;
  report.angle = model.angle;
  report.density = model.density;
  report.velocity = model.velocity;

  const theory::PlateTheory exact = theory::solveFlatPlate(theory::PlateInput{
      .mach = report.mach,
      .angleOfAttack = report.angle,
      .density = report.density,
      .speed = report.velocity,
  });
  report.regime = exact.regime;
  report.message = exact.message;
  if (exact.maxDeflection) report.maxDeflection = inDegrees(exact.maxDeflection->deflection);
  if (exact.lower)
    fillFace(report.lower, exact.lower->shockAngle, exact.lower->mach, exact.lower->ratios);
  if (exact.upper)
    fillFace(report.upper, exact.upper->prandtlMeyerAngle, exact.upper->mach, exact.upper->ratios);
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
  if (exact.loads) {
    report.liftLoad = realOnly(exact.loads->lift);
    report.dragLoad = realOnly(exact.loads->drag);
  }

  const FacePressures faces = model.peekFacePressures();
  fillModelFace(report.lower, faces.below, model.pressure);
  fillModelFace(report.upper, faces.above, model.pressure);
  return report;
}

std::string regimeName(theory::Regime regime) {
  switch (regime) {
    case theory::Regime::ShockExpansion:
      return "ShockExpansion";
    case theory::Regime::MachWaves:
      return "MachWaves";
    case theory::Regime::Subsonic:
      return "Subsonic";
    case theory::Regime::Detached:
      return "Detached";
    case theory::Regime::Vacuum:
      return "Vacuum";
    case theory::Regime::InvalidInput:
      return "InvalidInput";
  }
  return "InvalidInput";
}

std::vector<ReportLine> reportLines(const TheoryReport& r) {
  std::vector<ReportLine> lines = {
      {"mach", "M₁", number(realOnly(r.mach))},
      {"alpha", "α", angle(realOnly(theory::degrees(r.angle)))},
      {"density", "ρ₁", withUnit(realOnly(r.density), "kg/m³")},
      {"velocity", "V₁", withUnit(realOnly(r.velocity), "m/s")},
      {"regime", "regime", r.message},
      {"theta_max", "θmax", angle(r.maxDeflection)},
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
  };
  face("lower", "β", r.lower);
  face("upper", "ν(M₁)+α", r.upper);
  lines.push_back({"normal_force", "c_n", number(r.normalForce)});
  lines.push_back({"lift", "c_l", number(r.lift)});
  lines.push_back({"drag", "c_d", number(r.drag)});
  lines.push_back({"lift_to_drag", "L/D", number(r.liftToDrag)});
  lines.push_back({"linear_lift", "Ackeret c_l", number(r.linearLift)});
  lines.push_back({"linear_drag", "Ackeret c_d", number(r.linearDrag)});
  lines.push_back({"lift_load", "lift, 1 m chord", withUnit(r.liftLoad, "N/m")});
  lines.push_back({"drag_load", "drag, 1 m chord", withUnit(r.dragLoad, "N/m")});
  return lines;
}
