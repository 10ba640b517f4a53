// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zone pass: a fan's exit latch over a run of tracers. The latch gives every
// tracer that leaves the fan after another one the common exit velocity; a run
// over many tracers works on a copy of the fan's latch fields, which the
// compiler can keep in registers, and the fan takes it back at the end. It
// must leave every tracer and every latch field exactly as the fan's deflect,
// tracer by tracer, would.

#include <cstdint>

#include "model/Tracer.h"
#include "model/zonepass/Select.h"

struct ExitLatch {
  // Marks a remembered exit velocity component as not yet set (2^32 - 1).
  static constexpr double kUnset = 4294967295.0;

  std::int32_t previousClass;
  std::int32_t currentClass;
  double exitVx;            // pixels per step, or kUnset
  double exitVy;            // pixels per step, or kUnset
  bool anyReached = false;  // after one, currentClass equals previousClass

  // The latch for a tracer in class c, when its row test let it reach the
  // fan; one that has not reached it leaves the fan and itself unchanged.
  // Returns c for a tracer that reached the fan, and 2 or 3 for one that did
  // not with c = 0 or 1, so the caller's test for the inside is one comparison.
  // Few tracers leave, so that test is a well-predicted branch; the class
  // update, made for every tracer, is selected.
  int run(Tracer& tracer, bool reached, int c) {
    const int seen = c | (static_cast<int>(!reached) << 1);
    // c != previousClass with c == 1, for a tracer that reached the fan,
    // written so that the compiler's first test is the rare one.
    const bool leaves = (seen == 1) & (previousClass != 1);
    if (leaves) [[unlikely]] {
      if (exitVx == kUnset) {
        // The first tracer to leave after a configuration defines the exit velocity.
        exitVx = tracer.vx;
        if (exitVy == kUnset) {
          exitVy = tracer.vy;
        } else {
          tracer.vy = exitVy;
        }
      } else {
        tracer.vx = exitVx;
        tracer.vy = exitVy;
        tracer.turned = true;
      }
    }
    previousClass = pick(reached, c, previousClass);
    anyReached = anyReached | reached;
    return seen;
  }
};
