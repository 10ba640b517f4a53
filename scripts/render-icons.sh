#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the window icon's PNG sizes from src/ui/icons/zerkon.svg; run after changing the SVG
# and commit the PNGs (needs rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "render-icons.sh: rsvg-convert is missing: run 'apt-get install librsvg2-bin' as root" >&2
  exit 1
fi
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "src/ui/icons/zerkon-$size.png" \
    src/ui/icons/zerkon.svg
done
echo "render-icons.sh: src/ui/icons/zerkon-{16,32,48,64,128,256}.png rendered"
