#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages zerkon needs to build and test, when missing.
# Idempotent and quiet when everything is present; as root it installs
# directly, otherwise through sudo; without either it says in one line what to run.
set -euo pipefail

# What the build, the window and every test use, each for a reason:
#   cmake ninja-build g++ pkg-config        the build
#   qt6-base-dev libgl-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libqt6svg6
#                                           the toolkit, the charts, SVG files and the icon
#   qt6-tools-dev qt6-l10n-tools            Qt Linguist's CMake package, lupdate and lrelease
#   qt6-translations-l10n                   Qt's own Russian texts (file dialogs, key names)
#   fonts-dejavu-core                       the picture's labels
#   libgtest-dev libgmock-dev libbenchmark-dev   the tests and the benchmark
#   clang-format clang-tidy git             scripts/lint.sh
#   clang libclang-rt-14-dev                the fuzzing step (clang and its libFuzzer runtime)
#   help2man                                the manual pages
#   desktop-file-utils appstream            the desktop entry and metainfo checks
#   emscripten node-acorn nodejs python3    the web edition (WebAssembly, its translations)
#                                           and the core compared with the native build
#   chromium npm                            the page tested in a real browser (puppeteer-core
#                                           from npm, pinned in tests/web/package-lock.json)
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libqt6svg6 qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core
  clang-format clang-tidy git clang libclang-rt-14-dev
  help2man desktop-file-utils appstream emscripten node-acorn nodejs python3 chromium npm)
# Extra packages named on the command line (for example the Xvfb tools).
packages+=("$@")

# Node.js and npm may come from elsewhere than Debian (a newer Node.js ships its own npm,
# which Debian's npm package cannot be installed beside): there the commands are enough.
declare -A command_for=([nodejs]=node [npm]=npm)

missing=()
for p in "${packages[@]}"; do
  if [[ -n ${command_for[$p]:-} ]] && command -v "${command_for[$p]}" >/dev/null 2>&1; then
    continue
  fi
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps.sh: packages missing; as root run: apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
