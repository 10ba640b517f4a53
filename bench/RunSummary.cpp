// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunSummary.h"

#include <cstdio>
#include <ostream>

#include "view/FlowAnimation.h"

namespace {
double nsPerUnit(benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return 1;
    case benchmark::kMicrosecond:
      return 1e3;
    case benchmark::kMillisecond:
      return 1e6;
    case benchmark::kSecond:
      return 1e9;
  }
  return 1;
}

std::string line(const char* what, double value, const char* format, const char* target) {
  char text[160];
  char figure[32];
  std::snprintf(figure, sizeof figure, format, value);
  std::snprintf(text, sizeof text, "  %-46s %10s   %s\n", what, figure, target);
  return text;
}
}  // namespace

void RunSummary::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    // With repetitions the library's median follows them and takes their place;
    // a single run is its own median.
    if (run.error_occurred) continue;
    if (run.run_type != Run::RT_Iteration && run.aggregate_name != "median") continue;
    Figures& f = figures[run.run_name.str()];
    f.ns = run.GetAdjustedRealTime() * nsPerUnit(run.time_unit);
    f.cpuNs = run.GetAdjustedCPUTime() * nsPerUnit(run.time_unit);
    for (const auto& [name, counter] : run.counters) f.counters[name] = counter.value;
  }
}

double RunSummary::medianNs(const std::string& name) const {
  const auto found = figures.find(name);
  return found == figures.end() ? -1 : found->second.ns;
}

double RunSummary::medianCpuNs(const std::string& name) const {
  const auto found = figures.find(name);
  return found == figures.end() ? -1 : found->second.cpuNs;
}

double RunSummary::medianCounter(const std::string& name, const std::string& counter) const {
  const auto found = figures.find(name);
  if (found == figures.end()) return -1;
  const auto value = found->second.counters.find(counter);
  return value == found->second.counters.end() ? -1 : value->second;
}

void RunSummary::Finalize() {
  std::string text;
  const double zonePass = medianNs("BM_ZonePassAndStep");
  const double floor = medianNs("BM_BareStepFloor");
  if (zonePass > 0 && floor > 0) {
    text += line("zone pass and step / bare floor", zonePass / floor, "%.2f", "target at most 4");
  }
  const double allocations = medianCounter("BM_ZonePassAndStep", "allocs/iter");
  if (allocations >= 0) {
    text +=
        line("heap allocations in the zone pass and step", allocations, "%g / tick", "target 0");
  }
  const double tick = medianNs("BM_WholeTick");
  if (tick > 0) {
    const double periodNs = FlowAnimation::kStartInterval * 1e6;
    text += line("whole tick / frame period", 100 * tick / periodNs, "%.2f %%",
                 "target at most 4 % (1 ms of 25 ms)");
  }
  const double zoomed = medianNs("BM_ZoomedTick/200/process_time");
  if (zoomed > 0) {
    const double periodNs = FlowAnimation::kStartInterval * 1e6;
    text += line("tick and paint at 200 % / frame period", 100 * zoomed / periodNs, "%.2f %%",
                 "target at most 4 % (1 ms of 25 ms)");
  }
  const double retrace = medianNs("BM_Retrace");
  if (retrace > 0) {
    text += line("retrace", retrace / 1e6, "%.3f ms", "target at most 1 ms");
  }
  const double small = medianNs("BM_ZonePassPerTracer/10000");
  const double large = medianNs("BM_ZonePassPerTracer/1000000");
  if (small > 0 && large > 0) {
    text += line("ns per tracer, 1000000 / 10000 tracers", (large / 1e6) / (small / 1e4), "%.2f",
                 "target at most 1.5");
  }
  // On a machine shared by several builds the wall clock also counts the waits for a core;
  // the processor time is what the charts themselves take.
  const double charts = medianCpuNs("BM_ChartsNewFreeStream");
  if (charts > 0) {
    text += line("both charts for a new free stream, processor", charts / 1e6, "%.3f ms",
                 "target at most 5 ms");
    text += line("the same by the wall clock", medianNs("BM_ChartsNewFreeStream") / 1e6, "%.3f ms",
                 "longer only by the waits for a core");
  }
  const double drag = medianNs("BM_ChartsNewAngleAndPaint");
  if (drag > 0) {
    const double periodNs = FlowAnimation::kStartInterval * 1e6;
    text += line("new alpha, both charts painted / frame period", 100 * drag / periodNs, "%.1f %%",
                 "the drag keeps its frame while well below 100 %");
  }
  if (text.empty()) return;
  GetOutputStream() << "\nRatios from the medians of this run:\n" << text;
}
