#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts zerkon under a virtual X server with a window manager, as a student's desktop would
# have it, waits, and writes a screenshot of the whole screen; for looking at the window by
# hand (xdotool, also installed, can drive it meanwhile: DISPLAY=:95 xdotool ...).
#   scripts/look-window.sh SHOT.png [WxH] [zerkon options...]   (default screen 1920x1080)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -ge 1 ]] || { echo "usage: scripts/look-window.sh SHOT.png [WxH] [zerkon options...]" >&2; exit 2; }
shot=$1
shift
screen=1920x1080
if [[ ${1:-} =~ ^[0-9]+x[0-9]+$ ]]; then
  screen=$1
  shift
fi
bash scripts/install-deps.sh xvfb xauth x11-utils twm xdotool imagemagick
program=./build/src/ui/zerkon
[[ -x $program ]] || { echo "build first: scripts/dev.sh test" >&2; exit 2; }

display=:95
Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${app:-}" "${wm:-}" "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display twm >/dev/null 2>&1 &
wm=$!
DISPLAY=$display "$program" --fresh "$@" &
app=$!
sleep 3
/usr/bin/import -display "$display" -window root "$shot"
echo "look-window.sh: $shot"
