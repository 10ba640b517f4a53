#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer harnesses (preset "fuzz", clang) and runs each for SECONDS
# (default 60) on a scratch copy of its seed corpus, so the repository gains no files.
#   scripts/fuzz.sh [SECONDS]
# Exits non-zero when a harness finds a crash, a sanitizer report, a leak or a hang;
# the input that did it is kept in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export QT_QPA_PLATFORM=offscreen
if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "${XDG_RUNTIME_DIR}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi
export ASAN_OPTIONS="abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts=build-fuzz/artifacts
mkdir -p "$artifacts"

status=0
for pair in number:fuzz_number_text session:fuzz_session; do
  corpus=${pair%%:*}
  harness=build-fuzz/fuzz/${pair#*:}
  cp -r "fuzz/corpus/$corpus" "$scratch/$corpus"
  echo "fuzz: $harness for ${seconds} s on a copy of fuzz/corpus/$corpus"
  # -timeout: one input taking this long counts as a hang.
  if ! "$harness" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$corpus-" "$scratch/$corpus" 2>"$scratch/$corpus.log"; then
    tail -n 60 "$scratch/$corpus.log" >&2
    echo "fuzz: $harness FAILED; the input is in $artifacts/" >&2
    status=1
  else
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
      "$scratch/$corpus.log" || true
  fi
done
exit "$status"
