#include "model/FlowModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "model/FanZone.h"
#include "model/FixedText.h"
#include "model/ShockZone.h"
#include "model/Tracer.h"
#include "model/Truncate.h"
#include "model/VectorState.h"
#include "view/Canvas.h"

namespace {
// The tracers of a run of up to kListLength that each zone reaches, by their
// index in the run. Only the counted part of a list is ever read, so the
// lists are left uninitialised: the zone pass fills them for every run.
constexpr std::size_t kListLength = 512;
class ZoneLists {
  using Index = std::uint16_t;
  static_assert(kListLength <= 65536);

 public:
  enum Zone { kLowerShock, kLowerFan, kUpperFan, kUpperShock, kZones };

  // The listed tracers of a run, in their order, for a range-for.
  class Listed {
   public:
    struct Iterator {
      const Index* at;
      Tracer* run;
      Tracer& operator*() const { return run[*at]; }
      Iterator& operator++() {
        ++at;
        return *this;
      }
      bool operator!=(const Iterator& other) const { return at != other.at; }
    };
    Iterator begin() const { return {first, run}; }
    Iterator end() const { return {last, run}; }

    const Index* first;
    const Index* last;
    Tracer* run;
  };

  // Appends `index` when `reached`, without a branch on it.
  void add(Zone zone, std::size_t index, bool reached) {
    indices[zone][count[zone]] = static_cast<Index>(index);
    count[zone] += static_cast<std::size_t>(reached);
  }
  Listed tracers(Zone zone, std::span<Tracer> run) const {
    return {indices[zone].data(), indices[zone].data() + count[zone], run.data()};
  }

 private:
  std::array<std::array<Index, kListLength>, kZones> indices;
  std::array<std::size_t, kZones> count{};
};

constexpr double kPi = std::numbers::pi;
constexpr double kMolarMass = 28;        // g/mol
constexpr double kGasConstant = 8.314;   // J/(mol K)
constexpr double kSampleAngle = 0.1;     // radians: below it the probe shows zeros
constexpr double kReferenceLength = 40;  // pixels, left of the centre
constexpr double kFaceOffset = 20;       // pixels above and below the centre
constexpr double kForceScale = 0.002;    // pixels per Pa
constexpr double kMinForce = 15;         // pixels
constexpr double kHeadLength = 15;       // pixels
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kHeadAngle = 0.19634954084936207;  // pi/16
constexpr double kLabelRise = 15;                   // pixels
constexpr double kSevenSixteenthsPi = 1.3744467859455345;
constexpr double kNineSixteenthsPi = 1.7671458676442586;
constexpr int kArcRadius = 25;  // pixels
constexpr double kDegreesPerRadian = 57.29577951308232;

int toInt(double v) {
  return truncToInt(v);
}
}  // namespace

FlowModel::FlowModel() {
  auto lowerShock = std::make_unique<LowerShock>(*this);
  auto lowerFan = std::make_unique<LowerFan>(*this);
  auto upperFan = std::make_unique<UpperFan>(*this);
  auto upperShock = std::make_unique<UpperShock>(*this);
  own = {lowerShock.get(), lowerFan.get(), upperFan.get(), upperShock.get()};
  zones[kLowerShock] = std::move(lowerShock);
  zones[kLowerFan] = std::move(lowerFan);
  zones[kUpperFan] = std::move(upperFan);
  zones[kUpperShock] = std::move(upperShock);
}

FlowModel::~FlowModel() = default;

LowerShock& FlowModel::lowerShock() const {
  return static_cast<LowerShock&>(*zones[kLowerShock]);
}
LowerFan& FlowModel::lowerFan() const {
  return static_cast<LowerFan&>(*zones[kLowerFan]);
}
UpperFan& FlowModel::upperFan() const {
  return static_cast<UpperFan&>(*zones[kUpperFan]);
}
UpperShock& FlowModel::upperShock() const {
  return static_cast<UpperShock&>(*zones[kUpperShock]);
}

void FlowModel::setView(int width, int height) {
  viewWidth = width;
  viewHeight = height;
  centreX = static_cast<double>(width / 2);
  centreY = static_cast<double>(height / 2);
}

bool FlowModel::ownZonesInSlots() const {
  return zones[kLowerShock].get() == own.lowerShock && zones[kLowerFan].get() == own.lowerFan &&
         zones[kUpperFan].get() == own.upperFan && zones[kUpperShock].get() == own.upperShock;
}

void FlowModel::applyZones(Tracer& tracer) {
  if (ownZonesInSlots()) {
    own.lowerShock->deflect(tracer);
    own.lowerFan->deflect(tracer);
    own.upperFan->deflect(tracer);
    own.upperShock->deflect(tracer);
    return;
  }
  for (const auto& zone : zones) zone->deflect(tracer);
}

void FlowModel::applyZones(std::span<Tracer> tracers) {
  if (!ownZonesInSlots()) {
    for (Tracer& tracer : tracers) applyZones(tracer);
    return;
  }
  clearUpperVectorState();
  // A zone changes nothing for a tracer at a height it does not reach, and
  // no zone changes a height. So each zone is handed only the tracers it
  // reaches, still in their order: about two zones of the four per tracer.
  for (std::size_t first = 0; first < tracers.size(); first += kListLength) {
    const std::span<Tracer> run =
        tracers.subspan(first, std::min(kListLength, tracers.size() - first));
    ZoneLists lists;
    for (std::size_t i = 0; i < run.size(); ++i) {
      const double y = run[i].y;
      lists.add(ZoneLists::kLowerShock, i, own.lowerShock->reaches(y));
      lists.add(ZoneLists::kLowerFan, i, own.lowerFan->reaches(y));
      lists.add(ZoneLists::kUpperFan, i, own.upperFan->reaches(y));
      lists.add(ZoneLists::kUpperShock, i, own.upperShock->reaches(y));
    }
    own.lowerShock->deflectAll(lists.tracers(ZoneLists::kLowerShock, run));
    own.lowerFan->deflectAll(lists.tracers(ZoneLists::kLowerFan, run));
    own.upperFan->deflectAll(lists.tracers(ZoneLists::kUpperFan, run));
    own.upperShock->deflectAll(lists.tracers(ZoneLists::kUpperShock, run));
  }
}

bool FlowModel::isAbovePlate(int x, int y) const {
  const int xL = toInt(centreX - halfLength * std::cos(angle));
  const int xR = toInt(centreX + halfLength * std::cos(angle));
  if (x < xL) return centreY - halfLength * std::sin(angle) > y;
  if (x > xR) return centreY + halfLength * std::sin(angle) > y;
  const double d = x - centreX;
  // The plate's height over the centre at d.
  const double h = d > 0 ? -d * std::tan(angle) : d * std::tan(kPi - angle);
  return centreY - y > h;
}

void FlowModel::refreshLeadingEdge() const {
  leadingEdge = {angle,
                 centreX,
                 centreY,
                 halfLength,
                 centreX - halfLength * std::cos(angle),
                 centreY - halfLength * std::sin(angle)};
}

void FlowModel::reconfigure() {
  const int length = toInt(halfLength);
  const auto leadingX = [&] { return toInt(centreX - halfLength * std::cos(angle)); };
  const auto leadingY = [&] { return toInt(centreY - halfLength * std::sin(angle)); };
  const auto trailingX = [&] { return toInt(centreX + halfLength * std::cos(angle)); };
  const auto trailingY = [&] { return toInt(centreY + halfLength * std::sin(angle)); };
  // Each trailing-edge zone starts from the state far behind the leading-edge
  // zone of its side, asked for speed, temperature and pressure in that order.
  const auto chain = [&](FlowZone& from, FlowZone& to, bool lowerSide) {
    const double v = from.valueAt(ValueCode::V, kDownstream, 0, velocity);
    const double t = from.valueAt(ValueCode::T, kDownstream, 0, temperature);
    const double p = from.valueAt(ValueCode::P, kDownstream, 0, pressure);
    to.configure(trailingX(), trailingY(), lowerSide, angle, length, p, t, v);
  };
  zones[kLowerShock]->configure(leadingX(), leadingY(), true, angle, length, pressure, temperature,
                                velocity);
  chain(*zones[kLowerShock], *zones[kLowerFan], true);
  zones[kUpperFan]->configure(leadingX(), leadingY(), false, angle, length, pressure, temperature,
                              velocity);
  chain(*zones[kUpperFan], *zones[kUpperShock], false);
}

bool FlowModel::dragPlate(int buttons, int x, int y) {
  if ((buttons & 1) == 0) return false;
  const double dx = x - centreX;
  double dy = y - centreY;
  double r = std::sqrt(dx * dx + dy * dy);
  double alpha = 0;
  if (dx > 0) {
    // The trailing edge points at the mouse to the lower right.
    alpha = dy > 0 ? std::asin(dy / r) : 0;
  } else {
    // The leading edge points at the mouse to the upper left.
    if (dy > 0) dy = 0;
    if (r == 0) r = 0.0000001;
    alpha = std::asin(-dy / r);
  }
  setPlateAngle(alpha);
  return true;
}

void FlowModel::setPlateAngle(double alpha) {
  if (alpha > kMaxAngle) alpha = kMaxAngle;
  // asin(-0.0) is -0.0, which would read as "-0.00" degrees; NaN lies flat too.
  if (!(alpha > 0)) alpha = 0.0;
  angle = alpha;
  leadingEdgeY = centreY - halfLength * std::sin(angle);
  reconfigure();
}

void FlowModel::setFreeStream(double velocity_, double temperature_, double pressure_) {
  velocity = velocity_;
  temperature = temperature_;
  pressure = pressure_;
}

FreeStreamDerived FlowModel::deriveFreeStream() const {
  FreeStreamDerived derived;
  derived.density = pressure * kMolarMass / (temperature * kGasConstant) * 0.001;
  derived.soundSpeed = std::sqrt(temperature * kSoundSpeedFactor);
  derived.mach = velocity / derived.soundSpeed;
  derived.specificVolume = 1.0 / derived.density;
  return derived;
}

void FlowModel::setDensity(double value) {
  density = value;
}

double FlowModel::freeStreamValue(ValueCode code) const {
  switch (code) {
    case ValueCode::P:
      return pressure;
    case ValueCode::R:
      return density;
    case ValueCode::T:
      return temperature;
    case ValueCode::V:
    case ValueCode::f:  // the free stream is all V_phi
      return velocity;
    case ValueCode::r:
      return 0.0;
  }
  return 0.0;
}

FlowSample FlowModel::sample(int x, int y, const FreeStream& freeStream) {
  const bool upper = isAbovePlate(x, y);
  if (angle < kSampleAngle) return FlowSample{};
  FlowZone& first = upper ? *zones[kUpperFan] : *zones[kLowerShock];
  FlowZone& second = upper ? *zones[kUpperShock] : *zones[kLowerFan];
  const int k = first.classify(x, y);
  // The fans keep scratch between queries: this order of codes is binding.
  FlowSample s;
  s.temperature = first.valueAt(ValueCode::T, x, y, freeStream.temperature);
  s.pressure = first.valueAt(ValueCode::P, x, y, freeStream.pressure);
  s.density = first.valueAt(ValueCode::R, x, y, freeStream.density);
  s.velocityPhi = first.valueAt(ValueCode::f, x, y, freeStream.velocity);
  s.velocityR = first.valueAt(ValueCode::r, x, y, 0.0);
  if (k > 0) {
    s.temperature = second.valueAt(ValueCode::T, x, y, s.temperature);
    s.pressure = second.valueAt(ValueCode::P, x, y, s.pressure);
    s.density = second.valueAt(ValueCode::R, x, y, s.density);
    s.velocityPhi = second.valueAt(ValueCode::f, x, y, s.velocityPhi);
    s.velocityR = second.valueAt(ValueCode::r, x, y, s.velocityR);
  }
  s.soundSpeed = std::sqrt(s.temperature * kSoundSpeedFactor);
  s.speed = std::sqrt(s.velocityR * s.velocityR + s.velocityPhi * s.velocityPhi);
  s.mach = s.speed / s.soundSpeed;
  s.specificVolume = 1.0 / s.density;
  return s;
}

double FlowModel::facePressure(FlowZone& first, FlowZone& second, int x, int y) const {
  const int k = first.classify(x, y);
  double p = first.valueAt(ValueCode::P, x, y, pressure);
  if (k > 0) p = second.valueAt(ValueCode::P, x, y, p);
  return p;
}

FacePressures FlowModel::facePressures() {
  // Each face is asked of its own pair of zones, the upper face first; no
  // side test is made.
  FacePressures faces{pressure, pressure};
  const int x = toInt(centreX);
  if (angle > kSampleAngle)
    faces.above =
        facePressure(*zones[kUpperFan], *zones[kUpperShock], x, toInt(centreY - kFaceOffset));
  if (angle > kSampleAngle)
    faces.below =
        facePressure(*zones[kLowerShock], *zones[kLowerFan], x, toInt(centreY + kFaceOffset));
  return faces;
}

FacePressures FlowModel::peekFacePressures() {
  FanZone& lower = lowerFan();
  FanZone& upper = upperFan();
  const double saved[] = {lower.lastValue, lower.lastChange, upper.lastValue, upper.lastChange};
  const FacePressures faces = facePressures();
  lower.lastValue = saved[0];
  lower.lastChange = saved[1];
  upper.lastValue = saved[2];
  upper.lastChange = saved[3];
  return faces;
}

void FlowModel::drawScene(Canvas& canvas) {
  const double cx = centreX;
  const double cy = centreY;
  const double length = halfLength;
  const double a = angle;
  const int centreXi = toInt(cx);
  const int centreYi = toInt(cy);
  const int leadingX = toInt(cx - length * std::cos(a));
  const int leadingY = toInt(cy - length * std::sin(a));
  const int trailingX = toInt(cx + length * std::cos(a));
  const int trailingY = toInt(cy + length * std::sin(a));

  canvas.selectPen(platePen);
  canvas.moveTo(leadingX, leadingY);
  canvas.lineTo(trailingX, trailingY);

  // The undisturbed stream at the heights of the two edges.
  canvas.selectPen(dashDotPen);
  canvas.moveTo(0, leadingY);
  canvas.lineTo(leadingX, leadingY);
  canvas.moveTo(viewWidth, trailingY);
  canvas.lineTo(trailingX, trailingY);

  canvas.selectPen(thinPen);
  canvas.moveTo(toInt(cx - kReferenceLength), centreYi);
  canvas.lineTo(centreXi, centreYi);

  // Force estimate from the pressures 20 pixels above and below the centre.
  const FacePressures faces = facePressures();
  const double force = (faces.below - faces.above) * kForceScale;
  if (force > kMinForce) {
    const double fx = force * std::sin(a);
    const double fy = force * std::cos(a);
    // The arrow stands normal to the plate, away from its upper face.
    const double tipX = cx + fx;
    const double tipY = cy - fy;
    const double theta1 = kHalfPi - a - kHeadAngle;
    const double theta2 = kHalfPi - a + kHeadAngle;
    canvas.moveTo(centreXi, centreYi);
    canvas.lineTo(toInt(tipX), toInt(tipY));
    canvas.lineTo(toInt(tipX - kHeadLength * std::cos(theta1)),
                  toInt(tipY + kHeadLength * std::sin(theta1)));
    canvas.moveTo(toInt(tipX), toInt(tipY));
    canvas.lineTo(toInt(tipX - kHeadLength * std::cos(theta2)),
                  toInt(tipY + kHeadLength * std::sin(theta2)));

    canvas.textOut(toInt(cx + fx), toInt(cy - kLabelRise), "Fx = " + fixedText(fx, 2) + " H");
    canvas.textOut(centreXi, toInt(cy - fy - kLabelRise), "Fy = " + fixedText(fy, 2) + " H");

    // Vertical component, always with its head.
    canvas.moveTo(centreXi, centreYi);
    canvas.lineTo(centreXi, toInt(cy - fy));
    canvas.lineTo(toInt(cx - kHeadLength * std::cos(kSevenSixteenthsPi)),
                  toInt(cy - fy + kHeadLength * std::sin(kSevenSixteenthsPi)));
    canvas.moveTo(centreXi, toInt(cy - fy));
    canvas.lineTo(toInt(cx - kHeadLength * std::cos(kNineSixteenthsPi)),
                  toInt(cy - fy + kHeadLength * std::sin(kNineSixteenthsPi)));

    // Horizontal component; a head only when it is longer than a head.
    canvas.moveTo(centreXi, centreYi);
    canvas.lineTo(toInt(cx + fx), centreYi);
    if (fx > kMinForce) {
      canvas.lineTo(toInt(cx + fx - kHeadLength * std::cos(-kHeadAngle)),
                    toInt(cy + kHeadLength * std::sin(-kHeadAngle)));
      canvas.moveTo(toInt(cx + fx), centreYi);
      canvas.lineTo(toInt(cx + fx - kHeadLength * std::cos(kHeadAngle)),
                    toInt(cy + kHeadLength * std::sin(kHeadAngle)));
    }
  }

  // The angle of attack: an arc from the reference line up to the plate.
  const double degrees = a * kDegreesPerRadian;
  canvas.moveTo(centreXi, centreYi);
  canvas.angleArc(centreXi, centreYi, kArcRadius, 180.0f,
                  static_cast<float>(-a * kDegreesPerRadian));
  std::u16string label = u"\u03b1 = ";
  for (const char c : fixedText(degrees, 2)) label += static_cast<char16_t>(c);
  label += u'\u00b0';
  canvas.drawText(toInt(cx - 70), centreYi, toInt(cx + 10), toInt(cy + 70), label);

  for (const auto& zone : zones) zone->draw(canvas);
}
