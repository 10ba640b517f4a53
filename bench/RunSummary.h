// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console table of a benchmark run, followed by the ratios the targets
// are stated in, worked out from the medians of that same run.
//
// These machines are shared and noisy: absolute times move from run to run,
// while a ratio of two figures measured side by side in one run holds much
// better, so that is what a reader should quote.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RunSummary final : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& runs) override;
  // Prints the ratios whose figures were all in the run (a filtered run
  // may leave some out).
  void Finalize() override;

  // The median real time of one benchmark, in ns per iteration: the library's
  // own median when it computed one (--benchmark_repetitions), else that of the
  // single run. Negative when the benchmark did not run.
  double medianNs(const std::string& name) const;
  // The same for the processor time.
  double medianCpuNs(const std::string& name) const;
  // The median of one user counter of a benchmark; negative when absent.
  double medianCounter(const std::string& name, const std::string& counter) const;

 private:
  struct Figures {
    double ns = -1;                          // per iteration
    double cpuNs = -1;                       // processor time per iteration
    std::map<std::string, double> counters;  // each counter's value
  };
  std::map<std::string, Figures> figures;  // by benchmark name, arguments included
};
