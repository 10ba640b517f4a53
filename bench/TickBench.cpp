// SPDX-License-Identifier: GPL-3.0-or-later
// What one animation tick, one frame, one retrace and one probe cost, on
// the default session (672 x 465, default free stream, start-up angle,
// 50 warm-up ticks so the tracer cloud is spread).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <string_view>
#include <vector>

#include "RunSummary.h"
#include "session/Session.h"
#include "support/AllocationCounter.h"
#include "view/PicturePaint.h"

namespace {
// The window's start-up session with `tracers` tracers, after 50 ticks.
struct WarmSession {
  explicit WarmSession(std::size_t tracers = FlowAnimation::kTracerCount) {
    if (tracers != FlowAnimation::kTracerCount) {
      animation.tracers().resize(tracers);
      for (std::size_t i = 0; i < tracers; ++i) animation.respawnTracer(i);
    }
    for (int i = 0; i < 50; ++i) animation.onTick();
  }
  Session session{SessionOptions{}};
  FlowModel& model = session.model();
  StoredFieldTexts& fields = session.fields();
  FlowAnimation& animation = session.animation();
};

WarmSession& defaultSession() {
  static WarmSession session;
  return session;
}

// Runs `work` per iteration and reports the allocations it made.
template <class Work>
void measure(benchmark::State& state, Work&& work) {
  const long before = heapAllocations.load();
  for (auto _ : state) work();
  state.counters["allocs/iter"] =
      benchmark::Counter(static_cast<double>(heapAllocations.load() - before) /
                         static_cast<double>(state.iterations()));
}

// The zone pass and step of one tick, each iteration from the same warm
// cloud (restoring it is not timed), so the figure does not drift with the
// number of iterations.
void zonePass(benchmark::State& state, std::size_t tracers) {
  WarmSession s(tracers);
  const TracerList warm = s.animation.tracers();
  const long before = heapAllocations.load();
  for (auto _ : state) {
    state.PauseTiming();
    s.animation.tracers() = warm;
    state.ResumeTiming();
    s.animation.advance();
  }
  state.counters["allocs/iter"] =
      benchmark::Counter(static_cast<double>(heapAllocations.load() - before) /
                         static_cast<double>(state.iterations()));
}

void BM_ZonePassAndStep(benchmark::State& state) {
  zonePass(state, FlowAnimation::kTracerCount);
}

// The floor: the same tracers, only stepped (two additions, the distance to
// the leading edge, four comparisons), with no zones and no respawn.
void BM_BareStepFloor(benchmark::State& state) {
  WarmSession s;
  measure(state, [&] {
    bool any = false;
    for (Tracer& t : s.animation.tracers()) {
      const double x = t.x, y = t.y;
      any |= t.step(s.model);
      t.x = x, t.y = y;  // keep the cloud where it is
    }
    benchmark::DoNotOptimize(any);
  });
}

void BM_Compose(benchmark::State& state) {
  WarmSession& s = defaultSession();
  measure(state, [&] { s.animation.compose(); });
}

void BM_WholeTick(benchmark::State& state) {
  WarmSession& s = defaultSession();
  measure(state, [&] { s.animation.onTick(); });
}

// A whole tick and the paint that puts its frame on screen at a zoom (per cent), into an
// image of the zoomed size as the window's backing store would be.
void BM_ZoomedTick(benchmark::State& state) {
  WarmSession& s = defaultSession();
  const int percent = static_cast<int>(state.range(0));
  QImage screen(zoomedPictureSize(percent), QImage::Format_RGB32);
  const QRect all(QPoint(0, 0), screen.size());
  PicturePainter picture;
  measure(state, [&] {
    s.animation.onTick();
    QPainter painter(&screen);
    picture.paint(painter, s.session.host().screenImage(), percent, all);
  });
}

void BM_Retrace(benchmark::State& state) {
  WarmSession& s = defaultSession();
  measure(state, [&] { s.animation.retrace(); });
}

void BM_Probe(benchmark::State& state) {
  WarmSession& s = defaultSession();
  int x = 0;
  measure(state, [&] {
    x = (x + 37) % kPictureWidth;
    benchmark::DoNotOptimize(showProbe(s.fields, s.model, x, (x * 7) % kPictureHeight));
  });
}

void BM_ZonePassPerTracer(benchmark::State& state) {
  zonePass(state, static_cast<std::size_t>(state.range(0)));
  state.counters["ns/tracer"] = benchmark::Counter(
      static_cast<double>(state.range(0)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
}  // namespace

BENCHMARK(BM_ZonePassAndStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareStepFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compose)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeTick)->Unit(benchmark::kMicrosecond);
// The painter may spread a scaled copy over threads: count the whole process.
BENCHMARK(BM_ZoomedTick)
    ->Arg(100)
    ->Arg(150)
    ->Arg(200)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Retrace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Probe)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ZonePassPerTracer)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);

namespace {
// A machine-readable format asked for on the command line gets the library's
// own reporter, untouched by the summary.
bool wantsConsole(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.starts_with("--benchmark_format=") && arg != "--benchmark_format=console") {
      return false;
    }
  }
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The charts are graphics widgets, which need the widget application.
  QApplication application(argc, argv);
  const bool console = wantsConsole(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (console) {
    RunSummary summary(isatty(STDOUT_FILENO) ? RunSummary::OO_Color : RunSummary::OO_None);
    benchmark::RunSpecifiedBenchmarks(&summary);
  } else {
    benchmark::RunSpecifiedBenchmarks();
  }
  benchmark::Shutdown();
  return 0;
}
