// SPDX-License-Identifier: GPL-3.0-or-later
// Zone pass: FlowModel::applyZones, the hot loop of every tick. It calls the
// zones by their own types (no virtual call), runs the tracers in blocks and
// hands each zone only the tracers at heights it reaches. Every tracer and
// every zone field gets the same bits as from the four deflect calls in slot
// order, tracer by tracer.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/FlowModel.h"
#include "model/LowerFan.h"
#include "model/LowerShock.h"
#include "model/Tracer.h"
#include "model/UpperFan.h"
#include "model/UpperShock.h"
#include "platform/VectorState.h"

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

}  // namespace

void FlowModel::applyZones(Tracer& tracer) {
  own.lowerShock->deflect(tracer);
  own.lowerFan->deflect(tracer);
  own.upperFan->deflect(tracer);
  own.upperShock->deflect(tracer);
}

void FlowModel::applyZones(std::span<Tracer> tracers) {
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
