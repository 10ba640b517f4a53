// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one flow model: the plate, the free stream and the four zones around
// the plate, configured together and asked in a fixed order.
//
// One class in several files, one per job: FlowModel.cpp (configuration and
// state), FlowModelProbe.cpp (sample), FlowModelForce.cpp (face pressures),
// FlowModelScene.cpp (drawScene) and zonepass/ZonePass.cpp (applyZones).

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <span>

#include "canvas/Palette.h"
#include "canvas/Pen.h"
#include "model/Constants.h"
#include "model/FlowZone.h"
#include "model/GasState.h"

class Canvas;
class FanZone;
class LowerFan;
class LowerShock;
class ShockZone;
class Tracer;
class UpperFan;
class UpperShock;

// The free-stream values the probe hands to the first zone of a side.
struct FreeStream {
  double temperature = 0.0;  // K
  double pressure = 0.0;     // Pa
  double density = 0.0;      // kg/m^3
  double velocity = 0.0;     // m/s
};

struct FreeStreamDerived {
  double density = 0.0;         // kg/m^3
  double soundSpeed = 0.0;      // m/s
  double mach = 0.0;            // 1
  double specificVolume = 0.0;  // m^3/kg
};

// The pressures on the two faces of the plate, 20 pixels from its centre.
struct FacePressures {
  double above = 0.0;  // Pa
  double below = 0.0;  // Pa
};

// The local state of the gas at one point.
struct FlowSample {
  double temperature = 0.0;     // K
  double pressure = 0.0;        // Pa
  double density = 0.0;         // kg/m^3
  double velocityPhi = 0.0;     // m/s
  double velocityR = 0.0;       // m/s
  double soundSpeed = 0.0;      // m/s
  double speed = 0.0;           // m/s
  double mach = 0.0;            // 1
  double specificVolume = 0.0;  // m^3/kg
};

class FlowModel {
 public:
  // The zones' slots; on each side the leading-edge zone is asked first.
  enum Slot { kLowerShock = 0, kLowerFan = 1, kUpperFan = 2, kUpperShock = 3 };
  static constexpr std::array<Slot, 4> kSlots{kLowerShock, kLowerFan, kUpperFan, kUpperShock};
  static constexpr double kMaxAngle = 1.3089969389957472;  // 75 degrees, radians

  FlowModel();
  ~FlowModel();
  FlowModel(const FlowModel&) = delete;
  FlowModel& operator=(const FlowModel&) = delete;

  // Sizes the picture and puts the plate centre in its middle.
  void setView(int width, int height);
  // The four zones' deflect, in slot order.
  void applyZones(Tracer& tracer);
  // The same as applyZones on each tracer in turn, run zone by zone over all
  // of them instead: a zone never reads another tracer and still meets them
  // in order, so every result is the same, and each zone's loop keeps its
  // constants at hand; each zone is handed only the tracers at heights it
  // reaches.
  void applyZones(std::span<Tracer> tracers);
  // True above the plate, extended by horizontals beyond its ends; a point on
  // the plate or on a horizontal is below.
  bool isAbovePlate(int x, int y) const;
  // Every tracer step asks this, so it is inline.
  double distanceToLeadingEdge(double px, double py) const {
    const EdgeCache& e = leadingEdge;
    if (!(e.angle == angle && e.centreX == centreX && e.centreY == centreY &&
          e.halfLength == halfLength)) {
      refreshLeadingEdge();
    }
    const double dx = e.x - px;
    const double dy = e.y - py;
    return std::sqrt(dx * dx + dy * dy);
  }
  // Configures the zones in order, each trailing-edge zone from the state
  // behind the leading-edge zone of its side.
  void reconfigure();
  // Turns the plate towards (x, y) while the left button (bit 1) is held.
  bool dragPlate(int buttons, int x, int y);
  // Sets alpha, clamped to 0..75 degrees, and reconfigures, as a drag does.
  void setPlateAngle(double alpha);

  void setFreeStream(double velocity, double temperature, double pressure);
  FreeStreamDerived deriveFreeStream() const;
  // The density as the window shows it, rounded.
  void setDensity(double value);
  double freeStreamValue(ValueCode code) const;
  // The local flow state at (x, y); all zeros while the plate is below 0.1 rad.
  FlowSample sample(int x, int y, const FreeStream& freeStream);
  // Plate, free-stream lines, force estimate, angle and zone fronts.
  void drawScene(Canvas& canvas) { drawScene(canvas, facePressures()); }
  // The same with the force estimated from `faces`.
  void drawScene(Canvas& canvas, const FacePressures& faces);
  // The face pressures of the force estimate, the upper face asked first.
  FacePressures facePressures();
  // The same for an onlooker: the fans' sampling scratch is left as it was,
  // so the animation cannot tell it was asked.
  FacePressures peekFacePressures();
  // The pressure at (x, y) from the pair of zones of the point's side, as the
  // pressure bubbles feel it; the free stream's below kSampleAngle.
  double pressureAt(int x, int y);

  // Takes `other`'s picture, plate and free stream: the same flow, to be asked at other
  // angles without touching `other`. Such a model moves no tracers, so its zones keep no
  // per-row tables for them: a reconfiguration costs a fraction, and every answer is the
  // same, as the tables are only a faster way to the same values.
  void followForProbing(const FlowModel& other);
  // False for a model made by followForProbing.
  bool keepsRowTables() const { return rowTables; }

  const FlowZone& zone(Slot slot) const { return *zones[slot]; }
  // The four zones by their own types.
  LowerShock& lowerShock() const { return *own.lowerShock; }
  LowerFan& lowerFan() const { return *own.lowerFan; }
  UpperFan& upperFan() const { return *own.upperFan; }
  UpperShock& upperShock() const { return *own.upperShock; }

  int viewWidth = 0;   // pixels
  int viewHeight = 0;  // pixels
  double centreX = 0.0;                // pixels
  double centreY = 0.0;                // pixels
  double halfLength = 100.0;           // pixels, centre to either edge
  double pressure = 0.0;               // free stream P1, Pa
  double temperature = 0.0;            // free stream T1, K
  double velocity = 0.0;               // free stream V1, m/s
  double density = 0.0;                // free stream rho1 as displayed, kg/m^3
  double angle = 0.78539816339744828;  // angle of attack alpha, radians
  double leadingEdgeY = 0.0;           // pixels, as of the last turn of the plate

 private:
  // The leading edge, remembered for the geometry it was computed from: every
  // tracer step measures its distance, and cos/sin of an unchanged angle are
  // the very same doubles.
  struct EdgeCache {
    double angle = std::numeric_limits<double>::quiet_NaN();
    double centreX = 0.0;
    double centreY = 0.0;
    double halfLength = 0.0;
    double x = 0.0;  // pixels
    double y = 0.0;  // pixels
  };
  mutable EdgeCache leadingEdge;
  void refreshLeadingEdge() const;

  // Built with the model, one per slot, and never replaced.
  std::array<std::unique_ptr<FlowZone>, 4> zones;
  // The same zones by their own types: the zone pass calls them directly
  // instead of through the virtual table (ten thousand tracers a tick).
  struct OwnZones {
    LowerShock* lowerShock = nullptr;
    LowerFan* lowerFan = nullptr;
    UpperFan* upperFan = nullptr;
    UpperShock* upperShock = nullptr;
  };
  OwnZones own;
  bool rowTables = true;
  // The scene's pens.
  Pen thinPen = palette::kThin;
  Pen platePen = palette::kPlate;
  Pen dashDotPen = palette::kFreeStream;

  // The pressure on one face, from the pair of zones of that side.
  double facePressure(FlowZone& first, FlowZone& second, int x, int y) const;
};
