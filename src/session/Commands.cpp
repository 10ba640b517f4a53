// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Commands.h"

#include <algorithm>

#include "app/TheoryReport.h"
#include "model/FanZone.h"
#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/ShockZone.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"
#include "theory/PerfectGas.h"

namespace {

// One row of a table; cells are moved in, not copied from an initializer list.
template <typename... Cells>
Node row(Cells... cells) {
  Array a;
  a.items.reserve(sizeof...(Cells));
  (a.items.emplace_back(cells), ...);
  return a;
}

Node gasState(const GasState& g) {
  return Object{}
      .add("pressure", g.pressure)
      .add("temperature", g.temperature)
      .add("velocity", g.velocity)
      .add("soundSpeed", g.soundSpeed)
      .add("mach", g.mach);
}

const char* className(const FlowZone& zone) {
  if (dynamic_cast<const LowerShock*>(&zone)) return "LowerShock";
  if (dynamic_cast<const UpperShock*>(&zone)) return "UpperShock";
  if (dynamic_cast<const LowerFan*>(&zone)) return "LowerFan";
  if (dynamic_cast<const UpperFan*>(&zone)) return "UpperFan";
  return "FlowZone";
}

Node zone(const FlowZone& z) {
  Object o;
  o.add("class", className(z))
      .add("originX", z.originX)
      .add("originY", z.originY)
      .add("lowerSide", z.lowerSide)
      .add("plateAngle", z.plateAngle)
      .add("halfLength", z.halfLength)
      .add("upstream", gasState(z.upstream));
  if (const auto* shock = dynamic_cast<const ShockZone*>(&z)) {
    o.add("frontAngle", shock->frontAngle)
        .add("criticalSpeed", shock->criticalSpeed)
        .add("normalSpeed", shock->normalSpeed)
        .add("crossSpeed", shock->crossSpeed);
  }
  if (const auto* fan = dynamic_cast<const FanZone*>(&z)) {
    o.add("firstRayAngle", fan->firstRayAngle)
        .add("lastRayAngle", fan->lastRayAngle)
        .add("previousClass", fan->previousClass)
        .add("exitVx", fan->exitVx)
        .add("exitVy", fan->exitVy)
        .add("currentClass", fan->currentClass)
        .add("lastValue", fan->lastValue)
        .add("lastChange", fan->lastChange);
  }
  return o;
}

Node face(const FaceReport& f, const char* waveAngleKey) {
  return Object{}
      .add(waveAngleKey, f.waveAngle)
      .add("mach", f.mach)
      .add("pressure", f.pressure)
      .add("temperature", f.temperature)
      .add("density", f.density)
      .add("modelPressure", f.modelPressure)
      .add("modelOverExact", f.modelOverExact);
}

}  // namespace

Node freestreamReport(const SessionCore& session) {
  const FlowModel& model = session.model();
  const FieldTexts& fields = session.fields();
  const FreeStreamDerived derived = model.deriveFreeStream();
  return Object{}
      .add("velocity", model.velocity)
      .add("temperature", model.temperature)
      .add("pressure", model.pressure)
      .add("density", derived.density)
      .add("soundSpeed", derived.soundSpeed)
      .add("mach", derived.mach)
      .add("specificVolume", derived.specificVolume)
      .add("modelDensity", model.density)
      .add("shown", Object{}
                        .add("V1", fields.text(FieldId::V1))
                        .add("T1", fields.text(FieldId::T1))
                        .add("P1", fields.text(FieldId::P1))
                        .add("rho1", fields.text(FieldId::Rho1))
                        .add("c1", fields.text(FieldId::C1))
                        .add("M1", fields.text(FieldId::M1))
                        .add("v01", fields.text(FieldId::V01)));
}

Node sampleReport(SessionCore& session, const std::vector<PixelPoint>& points) {
  Array list;
  for (const PixelPoint& p : points) {
    const FlowSample s = session.probe(p);
    const FieldTexts& f = session.fields();
    list.items.push_back(Object{}
                             .add("x", p.x)
                             .add("y", p.y)
                             .add("temperature", s.temperature)
                             .add("pressure", s.pressure)
                             .add("density", s.density)
                             .add("velocityPhi", s.velocityPhi)
                             .add("velocityR", s.velocityR)
                             .add("soundSpeed", s.soundSpeed)
                             .add("speed", s.speed)
                             .add("mach", s.mach)
                             .add("specificVolume", s.specificVolume)
                             .add("shown", Object{}
                                               .add("T", f.text(FieldId::T))
                                               .add("P", f.text(FieldId::P))
                                               .add("rho", f.text(FieldId::Rho))
                                               .add("c", f.text(FieldId::C))
                                               .add("M", f.text(FieldId::M))
                                               .add("v0", f.text(FieldId::V0))
                                               .add("V", f.text(FieldId::V))
                                               .add("Vphi", f.text(FieldId::Vphi))
                                               .add("Vr", f.text(FieldId::Vr))));
  }
  return Object{}.add("points", std::move(list));
}

Node zonesReport(const SessionCore& session) {
  const FlowModel& m = session.model();
  Array zones;
  for (const auto slot : FlowModel::kSlots) zones.items.push_back(zone(m.zone(slot)));
  return Object{}
      .add("centreX", m.centreX)
      .add("centreY", m.centreY)
      .add("halfLength", m.halfLength)
      .add("angle", m.angle)
      .add("leadingEdgeY", m.leadingEdgeY)
      .add("viewWidth", m.viewWidth)
      .add("viewHeight", m.viewHeight)
      .add("zones", std::move(zones));
}

Node streamlinesReport(const SessionCore& session) {
  Array lines;
  for (const Streamline& s : session.animation().streamlines()) {
    Array points{.items = {}, .columns = {"x", "y"}};
    points.items.reserve(s.points.size());
    for (const PathPoint& p : s.points) points.items.push_back(row(p.x, p.y));
    lines.items.push_back(Object{}.add("startY", s.startY).add("points", std::move(points)));
  }
  return Object{}.add("streamlines", std::move(lines));
}

Node tracersReport(const SessionCore& session) {
  Array tracers{.items = {}, .columns = {"x", "y", "vx", "vy", "turned", "captured"}};
  tracers.items.reserve(session.animation().tracers().size());
  for (const Tracer& t : session.animation().tracers())
    tracers.items.push_back(row(t.x, t.y, t.vx, t.vy, t.turned, t.captured));
  Array bubbles;
  for (const auto& b : session.animation().bubbles()) {
    bubbles.items.push_back(Object{}
                                .add("x", b->x)
                                .add("y", b->y)
                                .add("vx", b->vx)
                                .add("vy", b->vy)
                                .add("turned", b->turned)
                                .add("captured", b->captured)
                                .add("radius", b->radius));
  }
  return Object{}.add("tracers", std::move(tracers)).add("bubbles", std::move(bubbles));
}

Node theoryReport(SessionCore& session) {
  const TheoryReport r = makeTheoryReport(session.model());
  return Object{}
      .add("mach", r.mach)
      .add("angle", r.angle)
      .add("angleDeg", theory::degrees(r.angle))
      .add("density", r.density)
      .add("velocity", r.velocity)
      .add("regime", regimeName(r.regime))
      .add("message", r.message)
      .add("maxDeflectionDeg", r.maxDeflection)
      .add("lower", face(r.lower, "shockAngleDeg"))
      .add("upper", face(r.upper, "prandtlMeyerAngleDeg"))
      .add("normalForce", r.normalForce)
      .add("lift", r.lift)
      .add("drag", r.drag)
      .add("liftToDrag", r.liftToDrag)
      .add("linearLift", r.linearLift)
      .add("linearDrag", r.linearDrag)
      .add("liftLoad", r.liftLoad)
      .add("dragLoad", r.dragLoad);
}

std::string theoryText(SessionCore& session) {
  Object rows;
  for (const ReportLine& line : reportLines(makeTheoryReport(session.model())))
    rows.add(line.label, line.value);
  return toText(rows);
}
