// SPDX-License-Identifier: GPL-3.0-or-later
// A session left running for a long time: its memory stays where it settled after the
// first thousand ticks, and the tracer loops of a tick never touch the heap.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <string>

#include "session/Session.h"
#include "support/AllocationCounter.h"

namespace {

constexpr int kSettleTicks = 1000;  // after these the memory must stay put
constexpr long kRssSlackKb = 1024;
constexpr int kRssEvery = 1000;  // ticks between two readings

// AddressSanitizer keeps freed memory in quarantine, so there the resident set grows by
// design; its leak check at exit watches the memory instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentSetIsMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kResidentSetIsMeaningful = false;
#else
constexpr bool kResidentSetIsMeaningful = true;
#endif
#else
constexpr bool kResidentSetIsMeaningful = true;
#endif

// The resident set of this process, kB; -1 where /proc cannot tell.
long residentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kb = -1;
      status >> kb;
      return kb;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

struct SoakFigures {
  long settledKb = -1;  // after kSettleTicks
  long lowestKb = -1;   // from then on
  long highestKb = -1;  // from then on
  long advanceAllocations = 0;
  double msPerTick = 0;
};

// `ticks` timer ticks of the window at start-up with V1 as typed. A tick is advance()
// then compose(), exactly as onTick() runs them, split to tell the tracer loops' heap use
// from the label texts'.
SoakFigures soak(const std::optional<std::string>& velocity, int ticks) {
  SessionOptions options;
  options.velocity = velocity;
  Session s{options};
  FlowAnimation& animation = s.animation();
  SoakFigures f;
  const auto readRss = [&f] {
    const long kb = residentKb();
    f.lowestKb = f.lowestKb < 0 ? kb : std::min(f.lowestKb, kb);
    f.highestKb = std::max(f.highestKb, kb);
  };
  const auto start = std::chrono::steady_clock::now();
  for (int i = 1; i <= ticks; ++i) {
    const long before = heapAllocations.load(std::memory_order_relaxed);
    animation.advance();
    f.advanceAllocations += heapAllocations.load(std::memory_order_relaxed) - before;
    animation.compose();
    if (i == kSettleTicks) f.settledKb = residentKb();
    if (i >= kSettleTicks && i % kRssEvery == 0) readRss();
  }
  readRss();
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  f.msPerTick = elapsed.count() / ticks;
  return f;
}

void expectSteady(const SoakFigures& f, const char* name) {
  std::cout << name << ": VmRSS " << f.settledKb << " kB after " << kSettleTicks << " ticks, then "
            << f.lowestKb << ".." << f.highestKb << " kB; " << f.msPerTick << " ms a tick\n";
  EXPECT_EQ(f.advanceAllocations, 0);
  ASSERT_GT(f.settledKb, 0) << "no VmRSS in /proc/self/status";
  if (!kResidentSetIsMeaningful) return;
  EXPECT_LE(f.highestKb, f.settledKb + kRssSlackKb);
  EXPECT_GE(f.lowestKb, f.settledKb - kRssSlackKb);
}

struct Stream {
  const char* name;
  std::optional<std::string> velocity;
};

const Stream kStreams[] = {{"defaults", std::nullopt}, {"V1 = 0", "0"}, {"V1 = 300", "300"}};

// The long soaks: about a hundred seconds each in an optimised build.
TEST(Soak, DefaultsForAHundredThousandTicks) {
  expectSteady(soak(kStreams[0].velocity, 100000), kStreams[0].name);
}
TEST(Soak, AtRestForAHundredThousandTicks) {
  expectSteady(soak(kStreams[1].velocity, 100000), kStreams[1].name);
}
TEST(Soak, SubsonicForAHundredThousandTicks) {
  expectSteady(soak(kStreams[2].velocity, 100000), kStreams[2].name);
}

// The same under the sanitizers, short enough for them.
TEST(ShortSoak, TwoThousandTicksOfEachStream) {
  for (const Stream& stream : kStreams) {
    SCOPED_TRACE(stream.name);
    expectSteady(soak(stream.velocity, 2000), stream.name);
  }
}

}  // namespace
