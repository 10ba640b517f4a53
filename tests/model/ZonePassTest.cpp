// SPDX-License-Identifier: GPL-3.0-or-later
// The zone pass's shortcuts: the row tables of the fans and of the upper
// shock must answer exactly as the front formulas do, and the pass over a
// whole array exactly as one tracer at a time.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/FanZone.h"
#include "model/FlowModel.h"
#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/ShockZone.h"
#include "model/Tracer.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"

namespace {
struct Setting {
  int width;
  int height;
  double velocity;  // m/s
  double alpha;     // radians
};

// Angles from flat to the 75-degree stop, a subsonic entry (V = 300 m/s gives
// NaN rays), a fast stream (the upper front leans the other way) and a picture
// taller than the tables hold.
const Setting kSettings[] = {
    {672, 465, 450, 0.0}, {672, 465, 450, 0.05}, {672, 465, 450, 0.6043}, {672, 465, 450, 1.309},
    {672, 465, 300, 0.6}, {672, 465, 2000, 0.9}, {200, 120, 900, 0.3},    {300, 40000, 450, 0.7},
};

// The fronts' own formulas, written out independently of the zones.
int lowerFanClass(const FanZone& f, int x, int y) {
  const double dy = static_cast<double>(std::int64_t{y} - f.originY);
  const double x1 = f.originX + dy / std::tan(f.firstRayAngle);
  const double x2 = f.originX + dy / std::tan(f.lastRayAngle);
  return x < x1 ? -1 : (x > x2 ? 1 : 0);
}
int upperFanClass(const FanZone& f, int x, int y) {
  const double dy = static_cast<double>(std::int64_t{f.originY} - y);
  const double x1 = f.originX + dy / std::tan(std::abs(f.firstRayAngle));
  const double x2 = f.originX + dy / std::tan(std::abs(f.lastRayAngle));
  return x < x1 ? -1 : (x > x2 ? 1 : 0);
}
int upperShockClass(const ShockZone& s, int x, int y) {
  const double dy = static_cast<double>(std::int64_t{s.originY} - y);
  const double dx = static_cast<double>(std::int64_t{s.originX} - x);
  const double xs =
      s.originX + std::sqrt(dy * dy + dx * dx) * std::sin(s.plateAngle - s.frontAngle);
  return xs > x ? -1 : 1;
}

void configure(FlowModel& model, const Setting& s) {
  model.setView(s.width, s.height);
  model.setFreeStream(s.velocity, 273, 100000);
  model.setDensity(1.234);
  model.setPlateAngle(s.alpha);
}

class RowTables : public ::testing::TestWithParam<Setting> {};

TEST_P(RowTables, AnswerAsTheFrontFormulasDoEverywhereATracerCanBe) {
  FlowModel model;
  configure(model, GetParam());
  const int w = GetParam().width;
  const int h = GetParam().height;
  std::vector<int> rows;
  for (int y = -301; y <= std::min(h, 2000) + 32; ++y) rows.push_back(y);
  for (const int y : {-100000, h - 1, h + 500, INT_MIN, INT_MAX}) rows.push_back(y);
  std::vector<int> columns;
  for (int x = -w - 1; x <= w + 31; ++x) columns.push_back(x);
  for (const int x : {-1000000, 1000000, INT_MIN, INT_MAX}) columns.push_back(x);
  long mismatches = 0;
  for (const int y : rows) {
    for (const int x : columns) {
      mismatches += model.lowerFan().classify(x, y) != lowerFanClass(model.lowerFan(), x, y);
      mismatches += model.upperFan().classify(x, y) != upperFanClass(model.upperFan(), x, y);
      mismatches += model.upperShock().classify(x, y) != upperShockClass(model.upperShock(), x, y);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, RowTables, ::testing::ValuesIn(kSettings));

// A cloud of tracers spread over the picture and beyond, some already
// turned, some at odd positions; each run of the same seed is identical.
std::vector<Tracer> cloud(std::size_t n, int w, int h) {
  std::vector<Tracer> tracers(n);
  std::uint64_t state = 12345;
  const auto next = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) / 9007199254740992.0;  // [0, 1)
  };
  for (Tracer& t : tracers) {
    t.x = -w + next() * (2 * w + 30);
    t.y = -300 + next() * (h + 330);
    t.vx = 1 + 4 * next();
    t.vy = next() < 0.5 ? 0.0 : next() - 0.5;
    t.turned = next() < 0.3;
  }
  tracers[7].x = std::nan("");
  tracers[8].y = INFINITY;
  return tracers;
}

bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void expectSameFan(const FanZone& a, const FanZone& b) {
  EXPECT_EQ(a.previousClass, b.previousClass);
  EXPECT_EQ(a.currentClass, b.currentClass);
  EXPECT_TRUE(sameBits(a.exitVx, b.exitVx));
  EXPECT_TRUE(sameBits(a.exitVy, b.exitVy));
}

class WholeArray : public ::testing::TestWithParam<Setting> {};

TEST_P(WholeArray, GivesEveryTracerAndLatchWhatOneAtATimeGives) {
  FlowModel byArray;
  FlowModel oneByOne;
  configure(byArray, GetParam());
  configure(oneByOne, GetParam());
  std::vector<Tracer> a = cloud(5000, GetParam().width, GetParam().height);
  // Each zone is handed only the tracers at heights it reaches: put tracers
  // on and just beside every zone's row, where those tests change answer.
  const int edgeRows[] = {byArray.lowerShock().originY, byArray.lowerFan().originY,
                          byArray.upperFan().originY, byArray.upperShock().originY};
  for (std::size_t i = 20; i < a.size(); i += 9) {
    const double row = edgeRows[(i / 9) % 4];
    const double nearby[] = {row, std::nextafter(row, -INFINITY), std::nextafter(row, INFINITY),
                             row - 0.5, row + 0.5};
    a[i].y = nearby[(i / 36) % 5];
  }
  a[9].y = std::nan("");
  a[10].y = -INFINITY;
  std::vector<Tracer> b = a;
  // Several passes, the second split in uneven runs, so that the latches
  // carry over between runs as they do between blocks.
  for (int pass = 0; pass < 3; ++pass) {
    if (pass == 1) {
      for (std::size_t first = 0; first < a.size(); first += 777) {
        byArray.applyZones(
            std::span(a).subspan(first, std::min<std::size_t>(777, a.size() - first)));
      }
    } else {
      byArray.applyZones(std::span(a));
    }
    for (Tracer& t : b) oneByOne.applyZones(t);
  }
  long differences = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    differences += !sameBits(a[i].vx, b[i].vx) || !sameBits(a[i].vy, b[i].vy) ||
                   a[i].turned != b[i].turned || !sameBits(a[i].x, b[i].x) ||
                   !sameBits(a[i].y, b[i].y);
  }
  EXPECT_EQ(differences, 0);
  expectSameFan(byArray.lowerFan(), oneByOne.lowerFan());
  expectSameFan(byArray.upperFan(), oneByOne.upperFan());
}

INSTANTIATE_TEST_SUITE_P(Settings, WholeArray, ::testing::ValuesIn(kSettings));
}  // namespace
