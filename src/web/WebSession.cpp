// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebSession.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/FieldLogic.h"
#include "app/RegimeLine.h"
#include "app/TheoryReport.h"
#include "platform/FixedText.h"
#include "theory/PerfectGas.h"
#include "web/JsonText.h"

namespace {

// The θ-β-M curves lose the points a line through them does not need, as the loads do.
constexpr double kThinning = 3e-4;
constexpr double kThetaSpan = 80.0;  // [°]
constexpr double kBetaSpan = 90.0;   // [°]

bool isInput(FieldId id) {
  return id == FieldId::V1 || id == FieldId::T1 || id == FieldId::P1;
}

std::optional<FieldId> fieldFromNumber(int id) {
  for (const FieldId field : kAttachOrder)
    if (static_cast<int>(field) == id) return field;
  return std::nullopt;
}

void writeCurve(JsonText& json, const ChartCurve& curve) {
  json.beginArray();
  for (const ChartPoint& point : curve) json.value(point.x).value(point.y);
  json.endArray();
}

void writePoint(JsonText& json, const std::optional<ChartPoint>& point) {
  if (!point) {
    json.null();
    return;
  }
  json.beginArray().value(point->x).value(point->y).endArray();
}

void writeShockCurves(JsonText& json, const ShockCurves& curves) {
  json.beginObject().key("mach").value(curves.mach).key("weak");
  writeCurve(json, thinnedCurve(curves.weak, kThetaSpan, kBetaSpan, kThinning));
  json.key("strong");
  writeCurve(json, thinnedCurve(curves.strong, kThetaSpan, kBetaSpan, kThinning));
  json.endObject();
}

void writeLoads(JsonText& json, const LoadCurves& loads, double height) {
  json.beginObject().key("lift");
  writeCurve(json, thinnedCurve(loads.lift, kSweepTop, height, kThinning));
  json.key("drag");
  writeCurve(json, thinnedCurve(loads.drag, kSweepTop, height, kThinning));
  json.endObject();
}

const char* operatingName(OperatingPoint state) {
  switch (state) {
    case OperatingPoint::Attached:
      return "attached";
    case OperatingPoint::Detached:
      return "detached";
    case OperatingPoint::Absent:
      break;
  }
  return "absent";
}

}  // namespace

WebSession::WebSession(const LinkSession& link) : SessionCore(host), notes(link.notes) {
  SessionOptions options;
  options.velocity = link.velocity;
  options.temperature = link.temperature;
  options.pressure = link.pressure;
  options.angle = link.angle;
  host.onProbe = [this](int x, int y) { probe(x, y); };
  start(options);
}

int WebSession::width() const {
  return model().viewWidth;
}

int WebSession::height() const {
  return model().viewHeight;
}

void WebSession::tick() {
  animation().onTick();
}

void WebSession::compose() {
  animation().compose();
}

void WebSession::restart() {
  animation().respawnAll();
}

bool WebSession::mouse(int buttons, int x, int y) {
  const double before = model().angle;
  animation().onMouseMove(buttons, x, y);
  return model().angle != before;
}

bool WebSession::turnBy(double degrees) {
  // Degrees to radians in this order of operations, as the window's keys do it.
  return turnToAngle(model().angle + degrees * std::numbers::pi / 180);
}

bool WebSession::turnTo(double degrees) {
  if (!std::isfinite(degrees)) return false;
  return turnToAngle(degrees * std::numbers::pi / 180);
}

bool WebSession::turnToAngle(double wanted) {
  // At a limit the plate stays put, and so does the picture.
  if (std::clamp(wanted, 0.0, FlowModel::kMaxAngle) == model().angle) return false;
  animation().turnPlate(wanted);
  // The probe fields would otherwise show the state of an angle no longer set.
  if (probed) probe(probed->x, probed->y);
  return true;
}

void WebSession::probe(int x, int y) {
  probed = ProbedPoint{x, y};
  showProbe(fields(), model(), x, y);
}

void WebSession::moveProbeBy(int dx, int dy) {
  const ProbedPoint from = probingByKeys && probed
                               ? *probed
                               : ProbedPoint{model().viewWidth / 2, model().viewHeight / 2};
  probingByKeys = true;
  probe(std::clamp(from.x + dx, 0, model().viewWidth - 1),
        std::clamp(from.y + dy, 0, model().viewHeight - 1));
}

std::string WebSession::fieldText(int id) const {
  const auto field = fieldFromNumber(id);
  return field ? fields().text(*field) : std::string();
}

bool WebSession::applyInput(int id, const std::string& text) {
  const auto field = fieldFromNumber(id);
  if (!field || !isInput(*field)) return false;
  fields().setText(*field, text);
  recomputeFreeStream(fields(), model());
  animation().retrace();
  // Tracers a missing free stream stopped would otherwise stand in the picture for good.
  animation().respawnStalled();
  return true;
}

std::string WebSession::stateJson() {
  const TheoryReport report = makeTheoryReport(model());
  const RegimeLine line = describeRegime(report);
  JsonText json;
  json.beginObject().key("fields").beginObject();
  for (const FieldId id : kAttachOrder)
    json.key(std::to_string(static_cast<int>(id))).value(fields().text(id));
  json.endObject();
  const double alpha = theory::degrees(model().angle);
  json.key("alpha").value(alpha).key("alphaText").value(fixedText(alpha, 2));
  json.key("regime")
      .beginObject()
      .key("template")
      .value(line.sentenceTemplate)
      .key("arguments")
      .beginArray();
  for (const std::string& argument : line.arguments) json.value(argument);
  json.endArray()
      .key("explanation")
      .value(line.explanationText)
      .key("real")
      .value(line.realFlow)
      .endObject();
  json.key("probe");
  if (probed)
    json.beginArray().value(probed->x).value(probed->y).endArray();
  else
    json.null();
  json.key("keyboardProbe").value(probingByKeys);
  json.key("fileName").value(pictureFileName(report.mach, model().angle));
  json.endObject();
  return json.text();
}

std::string WebSession::theoryJson() {
  const TheoryReport report = makeTheoryReport(model());
  JsonText json;
  json.beginObject()
      .key("regime")
      .value(theory::regimeKey(report.regime))
      .key("message")
      .value(report.message)
      .key("real")
      .value(picturesRealFlow(report.regime))
      .key("values")
      .beginObject();
  for (const ReportLine& line : reportLines(report)) json.key(line.key).value(line.value);
  json.endObject().endObject();
  return json.text();
}

std::string WebSession::chartsJson() {
  const ChartSeries& series = charts.update(model());
  const ThetaBetaSeries& thetaBeta = series.thetaBeta;
  const LoadsSeries& loads = series.loads;
  JsonText json;
  json.beginObject()
      .key("revision")
      .value(series.curvesRevision)
      .key("mach")
      .value(series.mach)
      .key("machText")
      .value(fixedText(series.mach, 3))
      .key("alpha")
      .value(series.alpha)
      .key("alphaText")
      .value(fixedText(series.alpha, 2))
      .key("regime")
      .value(theory::regimeKey(series.regime));
  json.key("thetaBeta").beginObject().key("current");
  if (thetaBeta.current)
    writeShockCurves(json, *thetaBeta.current);
  else
    json.null();
  json.key("references").beginArray();
  for (const ShockCurves& reference : thetaBeta.references) writeShockCurves(json, reference);
  json.endArray().key("maxLocus");
  writeCurve(json, thinnedCurve(thetaBeta.maxLocus, kThetaSpan, kBetaSpan, kThinning));
  json.key("state").value(operatingName(thetaBeta.state)).key("exact");
  writePoint(json, thetaBeta.exact);
  json.key("model");
  writePoint(json, thetaBeta.model);
  json.key("maxDeflection").value(thetaBeta.maxDeflection);
  json.key("maxDeflectionText")
      .value(thetaBeta.maxDeflection ? fixedText(*thetaBeta.maxDeflection, 2) : std::string());
  json.endObject();
  const double top = loads.highest * 1.1;
  const double height = top - loads.lowest;
  json.key("loads").beginObject().key("lowest").value(loads.lowest).key("top").value(top);
  json.key("exact");
  writeLoads(json, loads.exact, height);
  json.key("ackeret");
  writeLoads(json, loads.ackeret, height);
  json.key("thirdOrder");
  writeLoads(json, loads.thirdOrder, height);
  json.key("model");
  writeLoads(json, loads.model, height);
  json.endObject().endObject();
  return json.text();
}

std::string WebSession::valuesTable() {
  return ::valuesTable(fields(), model(), probed, makeTheoryReport(model()));
}

std::string WebSession::linkNotesJson() const {
  JsonText json;
  json.beginArray();
  for (const LinkNote& note : notes) {
    json.beginObject()
        .key("parameter")
        .value(note.parameter)
        .key("given")
        .value(note.given)
        .key("used")
        .value(note.used)
        .key("clamped")
        .value(note.problem == LinkProblem::Clamped)
        .endObject();
  }
  json.endArray();
  return json.text();
}
