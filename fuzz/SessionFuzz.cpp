// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session driven by fuzz bytes: the three free-stream texts, a small picture, a few
// mouse moves with any buttons, an angle, a few ticks and a probe. Nothing may fault, the
// picture keeps its size, the plate stays within 0..75 degrees and the fields stay honest.
#include <fuzzer/FuzzedDataProvider.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/NumberText.h"
#include "session/Session.h"

namespace {

constexpr int kMaxWidth = 160;  // pixels: small pictures keep executions fast
constexpr int kMaxHeight = 120;
constexpr int kMaxMoves = 4;
constexpr int kMaxTicks = 3;
constexpr std::size_t kMaxText = 48;  // bytes per free-stream text

void check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "session: %s\n", what);
  std::abort();
}

PixelPoint anyPoint(FuzzedDataProvider& in) {
  return {in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>()};
}

void checkHonest(Session& s, const FlowSample& probe) {
  const FreeStreamDerived d = s.model().deriveFreeStream();
  const StoredFieldTexts& f = s.fields();
  check(f.text(FieldId::Rho1) == formatNumber(d.density), "rho1 is not shown as computed");
  check(f.text(FieldId::C1) == formatNumber(d.soundSpeed), "c1 is not shown as computed");
  check(f.text(FieldId::M1) == formatNumber(d.mach), "M1 is not shown as computed");
  check(f.text(FieldId::V01) == formatNumber(d.specificVolume), "v01 is not shown as computed");
  check(f.text(FieldId::T) == formatNumber(probe.temperature), "T is not shown as probed");
  check(f.text(FieldId::P) == formatNumber(probe.pressure), "P is not shown as probed");
  check(f.text(FieldId::V) == formatNumber(probe.speed), "V is not shown as probed");
  check(f.text(FieldId::M) == formatNumber(probe.mach), "M is not shown as probed");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The frame draws text: an application object for the whole run, without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_session";
  static char* argv[] = {name, nullptr};
  // Never destroyed: at exit Qt's own statics (the font cache among them) go first, and the
  // application's destructor, which unloads the picture's font, would reach into them.
  static QGuiApplication* const application = new QGuiApplication(argc, argv);
  static_cast<void>(application);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  SessionOptions o;
  o.velocity = in.ConsumeRandomLengthString(kMaxText);
  o.temperature = in.ConsumeRandomLengthString(kMaxText);
  o.pressure = in.ConsumeRandomLengthString(kMaxText);
  o.width = in.ConsumeIntegralInRange(0, kMaxWidth);
  o.height = in.ConsumeIntegralInRange(0, kMaxHeight);
  const int drags = in.ConsumeIntegralInRange(0, kMaxMoves);
  for (int i = 0; i < drags; ++i) o.drags.push_back(anyPoint(in));
  if (in.ConsumeBool()) o.angle = in.ConsumeFloatingPoint<double>();
  o.ticks = in.ConsumeIntegralInRange(0, kMaxTicks);

  Session s{o};
  // Then moves with whatever buttons are down, and one more tick after each.
  const int moves = in.ConsumeIntegralInRange(0, kMaxMoves);
  for (int i = 0; i < moves; ++i) {
    const int buttons = in.ConsumeIntegralInRange(0, 31);
    const PixelPoint p = anyPoint(in);
    s.animation().onMouseMove(buttons, p.x, p.y);
    s.animation().onTick();
  }
  const FlowSample probe = s.probe(anyPoint(in));

  const double angle = s.model().angle;
  check(angle >= 0 && angle <= FlowModel::kMaxAngle, "the plate left 0..75 degrees");
  const QImage& picture = s.picture();
  if (o.width > 0 && o.height > 0) {
    check(picture.width() == o.width && picture.height() == o.height, "the picture resized");
  } else {
    check(picture.isNull(), "an empty picture shows something");
  }
  check(s.fields().text(FieldId::V1) == *o.velocity, "V1 is not shown as typed");
  checkHonest(s, probe);
  return 0;
}
