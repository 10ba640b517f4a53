// SPDX-License-Identifier: GPL-3.0-or-later
// Whole sessions after 200 ticks, reduced to digests recorded before any
// optimisation: every tracer, bubble, streamline point, zone field, probe and
// frame pixel must stay the same bit for bit. The tracers' digests were recorded
// again once, when the elementary functions became the program's own (numeric/).
#include <gtest/gtest.h>

#include <QImage>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>

#include "model/FanZone.h"
#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/ShockZone.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"
#include "session/Session.h"

namespace {
class Digest {
 public:
  void add(double v) { add(std::bit_cast<std::uint64_t>(v)); }
  void add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      hash ^= (v >> (8 * i)) & 0xFF;
      hash *= 0x100000001b3ULL;
    }
  }
  void add(int v) { add(static_cast<std::uint64_t>(static_cast<std::int64_t>(v))); }
  void add(bool v) { add(static_cast<std::uint64_t>(v)); }
  void add(const std::string& s) {
    for (const char c : s) add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
  }
  std::uint64_t hash = 0xcbf29ce484222325ULL;
};

struct Run {
  const char* velocity;
  const char* temperature;
  const char* pressure;
  std::optional<PixelPoint> drag;
  std::optional<double> degrees;
};

struct Digests {
  std::uint64_t tracers, streamlines, zones, probes, pixels;
  int handedOver = 0;  // ticks whose frame went to the screen without a copy
};

void addZone(Digest& d, const FlowZone& z) {
  d.add(z.originX), d.add(z.originY), d.add(z.lowerSide), d.add(z.plateAngle);
  d.add(z.halfLength), d.add(z.upstream.pressure), d.add(z.upstream.temperature);
  d.add(z.upstream.velocity), d.add(z.upstream.soundSpeed), d.add(z.upstream.mach);
  if (const auto* s = dynamic_cast<const ShockZone*>(&z)) {
    d.add(s->frontAngle), d.add(s->criticalSpeed), d.add(s->normalSpeed), d.add(s->crossSpeed);
  }
  if (const auto* f = dynamic_cast<const FanZone*>(&z)) {
    d.add(f->firstRayAngle), d.add(f->lastRayAngle), d.add(f->previousClass), d.add(f->exitVx);
    d.add(f->exitVy), d.add(f->currentClass), d.add(f->lastValue), d.add(f->lastChange);
  }
}

Digests play(const Run& run) {
  SessionOptions options;
  options.velocity = run.velocity;
  options.temperature = run.temperature;
  options.pressure = run.pressure;
  if (run.drag) options.drags.push_back(*run.drag);
  options.angle = run.degrees;
  Session session(options);
  FlowModel& model = session.model();
  FlowAnimation& animation = session.animation();
  const OffscreenHost& host = session.host();
  Digests out{};
  for (int i = 0; i < 200; ++i) {
    const uchar* frameMemory = host.frameBuffer().image().constBits();
    animation.onTick();
    out.handedOver += host.screenImage().constBits() == frameMemory;
  }

  Digest tracers;
  for (const Tracer& t : animation.tracers()) {
    tracers.add(t.x), tracers.add(t.y), tracers.add(t.vx), tracers.add(t.vy);
    tracers.add(t.turned), tracers.add(t.captured);
  }
  for (const auto& b : animation.bubbles()) {
    tracers.add(b->x), tracers.add(b->y), tracers.add(b->vx), tracers.add(b->vy);
    tracers.add(b->radius);
  }
  out.tracers = tracers.hash;
  Digest lines;
  for (const Streamline& s : animation.streamlines()) {
    lines.add(s.startY);
    lines.add(static_cast<std::uint64_t>(s.points.size()));
    for (const PathPoint& p : s.points) lines.add(p.x), lines.add(p.y);
  }
  out.streamlines = lines.hash;
  Digest zones;
  for (const auto slot : FlowModel::kSlots) addZone(zones, model.zone(slot));
  out.zones = zones.hash;
  Digest probes;
  for (const auto& [x, y] : {std::pair{336, 300}, {336, 150}, {100, 100}, {500, 420}, {650, 240}}) {
    session.probe({x, y});
    for (const FieldId id : kAttachOrder) probes.add(session.fields().text(id));
  }
  out.probes = probes.hash;
  Digest pixels;
  const QImage& image = host.screenImage();
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      pixels.add(static_cast<std::uint64_t>(row[x] & 0xFFFFFF));
  }
  out.pixels = pixels.hash;
  return out;
}

void expectDigests(const Run& run, const Digests& expected) {
  const Digests got = play(run);
  EXPECT_EQ(got.tracers, expected.tracers) << std::hex << got.tracers;
  EXPECT_EQ(got.streamlines, expected.streamlines) << std::hex << got.streamlines;
  EXPECT_EQ(got.zones, expected.zones) << std::hex << got.zones;
  EXPECT_EQ(got.probes, expected.probes) << std::hex << got.probes;
  EXPECT_EQ(got.pixels, expected.pixels) << std::hex << got.pixels;
  // Nothing in these pictures has the transparent colour, so every frame is
  // shown by exchanging images rather than by a copy.
  EXPECT_EQ(got.handedOver, 200);
}
}  // namespace

TEST(Golden, DefaultSessionAtTheStartUpAngle) {
  expectDigests({"450.0", "273.0", "100000", std::nullopt, std::nullopt},
                {0x130fad9409cc169d, 0x1dba4b7a9108b4be, 0xb1377e661c50e5be, 0x852640e11515f039,
                 0xdd3909946c44831c});
}

TEST(Golden, FasterWarmerStreamDraggedToTheLowerRight) {
  expectDigests({"600", "300", "80000", PixelPoint{500, 400}, std::nullopt},
                {0xa4fecba1e6b1267d, 0xc1f282c85f39d748, 0x58d915248fd54108, 0x95755c4fd0409f3c,
                 0x23fc4e38641a52bd});
}

TEST(Golden, FastColdStreamAtSixtyDegrees) {
  expectDigests({"1000", "250", "120000", std::nullopt, 60.0},
                {0x792b7b71a39039d7, 0xe95105ab27a93519, 0x3905df7584a8e371, 0x398e2e3b97838705,
                 0x35b50a2d4b0a6e31});
}
