#!/usr/bin/env bash
# Build and run zerkon on a fresh Debian machine.
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh test   install what is missing, build, run every test, then
#                         again under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

build() {
  bash scripts/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default
}

case "${1:-}" in
  run)
    build
    exec ./build/src/ui/zerkon
    ;;
  test)
    build
    # Qt's tests need no display; a private runtime folder keeps Qt quiet.
    export QT_QPA_PLATFORM=offscreen
    if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "${XDG_RUNTIME_DIR}" ]]; then
      XDG_RUNTIME_DIR=$(mktemp -d)
      chmod 700 "$XDG_RUNTIME_DIR"
      export XDG_RUNTIME_DIR
    fi
    ctest --preset default -j 2
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize
    ctest --preset sanitize -j 2
    ;;
  *)
    echo "usage: scripts/dev.sh run|test" >&2
    exit 2
    ;;
esac
