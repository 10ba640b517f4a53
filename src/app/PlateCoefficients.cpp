// SPDX-License-Identifier: GPL-3.0-or-later
// Coefficient rows: exact, Ackeret, Busemann and the model at one angle of attack.
#include "app/PlateCoefficients.h"

#include <cmath>
#include <numbers>

#include "numeric/Elementary.h"
#include "theory/Busemann.h"
#include "theory/PerfectGas.h"

namespace {

constexpr double kModelLimit = 75.0;  // FlowModel::kMaxAngle [°]

std::optional<double> realOnly(double value) {
  return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<ModelCoefficients> fromFaces(const FacePressures& faces, double freeStreamPressure,
                                           double mach, double alpha) {
  // In ratios to p₁, as the exact answer is formed: q₁/p₁ = ½γM₁².
  const double lower = faces.below / freeStreamPressure;
  const double upper = faces.above / freeStreamPressure;
  const double cn = (lower - upper) / (0.5 * theory::kGamma * mach * mach);
  const ModelCoefficients c{
      .normalForce = cn, .lift = cn * numeric::cos(alpha), .drag = cn * numeric::sin(alpha)};
  if (!std::isfinite(c.normalForce) || !std::isfinite(c.lift) || !std::isfinite(c.drag))
    return std::nullopt;
  return c;
}

}  // namespace

std::optional<ModelCoefficients> modelCoefficients(FlowModel& model) {
  return fromFaces(model.peekFacePressures(), model.pressure, model.deriveFreeStream().mach,
                   model.angle);
}

CoefficientSweep::CoefficientSweep(const FlowModel& session)
    : freeStreamMach(session.deriveFreeStream().mach) {
  probe.followForProbing(session);
}

CoefficientRow CoefficientSweep::at(double alphaDegrees) {
  CoefficientRow row;
  row.alpha = alphaDegrees;
  const double alpha = alphaDegrees * std::numbers::pi / 180.0;
  const theory::PlateTheory exact =
      theory::solveFlatPlate({.mach = freeStreamMach, .angleOfAttack = alpha});
  row.regime = exact.regime;
  if (exact.regime == theory::Regime::InvalidInput) return row;
  if (exact.lower) row.shockAngle = realOnly(theory::degrees(exact.lower->shockAngle));
  if (exact.exact) {
    row.lift = realOnly(exact.exact->lift);
    row.drag = realOnly(exact.exact->drag);
    if (exact.exact->liftToDrag) row.liftToDrag = realOnly(*exact.exact->liftToDrag);
  }
  if (exact.linear) {
    row.linearLift = realOnly(exact.linear->lift);
    row.linearDrag = realOnly(exact.linear->drag);
  }
  if (const auto second = theory::busemannPlate(freeStreamMach, alpha)) {
    row.secondOrderLift = realOnly(second->lift);
    row.secondOrderDrag = realOnly(second->drag);
  }
  // The model's plate turns no further than 75°; beyond, it would answer for 75°.
  if (alphaDegrees <= kModelLimit) {
    probe.setPlateAngle(alpha);
    if (const auto model =
            fromFaces(probe.facePressures(), probe.pressure, freeStreamMach, probe.angle)) {
      row.modelLift = model->lift;
      row.modelDrag = model->drag;
    }
  }
  return row;
}
