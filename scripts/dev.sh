#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Build and run zerkon on a fresh Debian machine.
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh web    install what is missing, build the web edition and serve it on
#                         localhost (scripts/serve-web.sh; the address is printed)
#   scripts/dev.sh test   install what is missing, build (the web edition too), check the
#                         format and run clang-tidy, run every test, then
#                         again under AddressSanitizer and UndefinedBehaviorSanitizer,
#                         then a minute of fuzzing per harness when clang can do it
set -euo pipefail
cd "$(dirname "$0")/.."

# Builds one preset: "release" (the two programs alone) or "default" (with the tests).
build() {
  bash scripts/install-deps.sh
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

# clang++ that links a libFuzzer harness: the compiler and its fuzzer runtime are there.
fuzzing_available() {
  command -v clang++ >/dev/null 2>&1 || return 1
  local probe
  probe=$(mktemp -d)
  printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
    'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' \
    >"$probe/probe.cpp"
  local found=0
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
    >/dev/null 2>&1 || found=1
  rm -rf "$probe"
  return "$found"
}

case "${1:-}" in
  run)
    build release
    exec ./build-release/src/ui/zerkon
    ;;
  web)
    bash scripts/install-deps.sh
    exec bash scripts/serve-web.sh "${2:-8642}"
    ;;
  test)
    build default
    # The web edition and the core's WebAssembly driver, for the tests that compare them with
    # the native build; puppeteer-core, as pinned, for the browser test.
    cmake --preset web >/dev/null
    cmake --build --preset web
    npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
    # The format check and clang-tidy, before any test runs.
    bash scripts/lint.sh
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
    if fuzzing_available; then
      bash scripts/fuzz.sh 60
    else
      echo "dev.sh: fuzzing skipped: clang++ or its libFuzzer runtime (libclang-rt-dev) is missing"
    fi
    ;;
  *)
    echo "usage: scripts/dev.sh run|test|web [PORT]" >&2
    exit 2
    ;;
esac
