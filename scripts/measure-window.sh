#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts zerkon under a virtual X server, lets it animate for a while and
# reports its share of one core and its resident memory.
#   scripts/measure-window.sh [seconds]   (default 10; needs a built ./build)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
bash scripts/install-deps.sh xvfb xauth x11-utils
program=./build/src/ui/zerkon
[[ -x $program ]] || { echo "build first: scripts/dev.sh test" >&2; exit 2; }

display=:97
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

DISPLAY=$display "$program" &
app=$!
sleep 2  # start-up is not part of the figure

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
start=$(cpu)
sleep "$seconds"
end=$(cpu)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
awk -v a="$start" -v b="$end" -v t="$ticks" -v s="$seconds" -v r="$rss" 'BEGIN {
  printf "cpu %.1f %% of one core over %d s, resident memory %.1f MB\n", 100 * (b - a) / t / s, s, r / 1024
}'
