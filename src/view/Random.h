// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one pseudo-random generator of a session: integers 0..32767 from a
// fixed start, so every run places its tracers identically.

#include <cstdint>

class Random {
 public:
  static constexpr int kMax = 32767;

  int next() {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state = 1;
};
