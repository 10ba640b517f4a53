// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FieldHelp.h"

#include <QCoreApplication>

namespace {
// The translation context of these texts.
class FieldHelp {
  Q_DECLARE_TR_FUNCTIONS(FieldHelp)
};
}  // namespace

QString fieldToolTip(FieldId id) {
  switch (id) {
    case FieldId::V1:
      return FieldHelp::tr("V₁, free-stream speed, m/s: typed in, applied when the field is left");
    case FieldId::T1:
      return FieldHelp::tr(
          "T₁, free-stream temperature, K: typed in, applied when the field is left");
    case FieldId::P1:
      return FieldHelp::tr(
          "P₁, free-stream pressure, Pa: typed in, applied when the field is left");
    case FieldId::Rho1:
      return FieldHelp::tr("ρ₁, free-stream density, kg/m³: P₁ · 0.028 / (8.314 · T₁)");
    case FieldId::C1:
      return FieldHelp::tr("c₁, free-stream speed of sound, m/s: √(415.7 · T₁)");
    case FieldId::M1:
      return FieldHelp::tr(
          "M₁, free-stream Mach number, no unit: V₁ / c₁; a Mach number typed in sets V₁ = M₁ · "
          "c₁");
    case FieldId::V01:
      return FieldHelp::tr("V₀₁, free-stream specific volume, m³/kg: 1 / ρ₁");
    case FieldId::T:
      return FieldHelp::tr(
          "T, temperature at the probed point, K: from the shock or fan the point lies behind");
    case FieldId::P:
      return FieldHelp::tr(
          "P, pressure at the probed point, Pa: from the shock or fan the point lies behind");
    case FieldId::Rho:
      return FieldHelp::tr(
          "ρ, density at the probed point, kg/m³: from the shock or fan the point lies behind");
    case FieldId::C:
      return FieldHelp::tr("c, speed of sound at the probed point, m/s: √(415.7 · T)");
    case FieldId::M:
      return FieldHelp::tr("M, Mach number at the probed point, no unit: V / c");
    case FieldId::V0:
      return FieldHelp::tr("V₀, specific volume at the probed point, m³/kg: 1 / ρ");
    case FieldId::V:
      return FieldHelp::tr("V, flow speed at the probed point, m/s: √(V_φ² + V_r²)");
    case FieldId::Vphi:
      return FieldHelp::tr(
          "V_φ, velocity along the turned stream at the probed point, m/s: from the shock "
          "or fan the point lies behind (V₁ in the free stream)");
    case FieldId::Vr:
      return FieldHelp::tr(
          "V_r, velocity across the turned stream at the probed point, m/s: from the "
          "shock or fan the point lies behind (0 in the free stream)");
  }
  return {};
}

QString fieldAccessibleName(FieldId id) {
  switch (id) {
    case FieldId::V1:
      return FieldHelp::tr("V₁, velocity, m/s");
    case FieldId::T1:
      return FieldHelp::tr("T₁, temperature, K");
    case FieldId::P1:
      return FieldHelp::tr("P₁, pressure, Pa");
    case FieldId::Rho1:
      return FieldHelp::tr("ρ₁, density, kg/m³");
    case FieldId::C1:
      return FieldHelp::tr("c₁, speed of sound, m/s");
    case FieldId::M1:
      return FieldHelp::tr("M₁, Mach number, no unit");
    case FieldId::V01:
      return FieldHelp::tr("V₀₁, specific volume, m³/kg");
    case FieldId::T:
      return FieldHelp::tr("T, temperature at the point, K");
    case FieldId::P:
      return FieldHelp::tr("P, pressure at the point, Pa");
    case FieldId::Rho:
      return FieldHelp::tr("ρ, density at the point, kg/m³");
    case FieldId::C:
      return FieldHelp::tr("c, speed of sound at the point, m/s");
    case FieldId::M:
      return FieldHelp::tr("M, Mach number at the point, no unit");
    case FieldId::V0:
      return FieldHelp::tr("V₀, specific volume at the point, m³/kg");
    case FieldId::V:
      return FieldHelp::tr("V, velocity at the point, m/s");
    case FieldId::Vphi:
      return FieldHelp::tr("V_φ, velocity along the turned stream, m/s");
    case FieldId::Vr:
      return FieldHelp::tr("V_r, velocity across the turned stream, m/s");
  }
  return {};
}
