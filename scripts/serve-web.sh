#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web edition (the web preset) and serves its folder on this machine only.
#   scripts/serve-web.sh [PORT]     PORT defaults to 8642; Ctrl+C stops the server
set -euo pipefail
cd "$(dirname "$0")/.."

port="${1:-8642}"
if ! [[ "$port" =~ ^[0-9]+$ ]] || ((port < 1 || port > 65535)); then
  echo "serve-web.sh: the port must be a whole number from 1 to 65535, not '$port'" >&2
  exit 2
fi
for tool in emcmake python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "serve-web.sh: $tool is missing (apt-get install emscripten python3)" >&2
    exit 1
  fi
done
cmake --preset web >/dev/null
cmake --build --preset web
folder="$PWD/build-web/web"
echo "zerkon's web edition: http://localhost:$port/  (serving $folder; Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$folder"
