// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VectorState.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {
// The one AVX instruction in the program, built for AVX alone and run only
// where the processor and the system support it.
__attribute__((target("avx"))) void zeroUpper() {
  _mm256_zeroupper();
}

bool hasAvx() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx");
}
}  // namespace

void clearUpperVectorState() {
  static const bool avx = hasAvx();
  if (avx) zeroUpper();
}
#else
void clearUpperVectorState() {}
#endif
