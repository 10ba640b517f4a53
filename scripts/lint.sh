#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The format check and clang-tidy over the program's sources; each is skipped with a
# one-line notice where its tool is missing. clang-tidy needs the default build's
# compile_commands.json (scripts/dev.sh test builds it first).
set -euo pipefail
cd "$(dirname "$0")/.."

# The tracked sources; a source tarball has no .git, so there the folders are listed instead.
sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z "$@"
  else
    local patterns=()
    for p in "$@"; do patterns+=(-o -path "./$p"); done
    find . \( -path ./build -o -path './build-*' -o -path ./.git \) -prune \
      -o -type f \( "${patterns[@]:1}" \) -printf '%P\0'
  fi
}

status=0
if command -v clang-format >/dev/null 2>&1; then
  sources '*.h' '*.cpp' | xargs -0 clang-format --dry-run -Werror || status=1
else
  echo "lint.sh: format check skipped: clang-format is not installed"
fi

if command -v clang-tidy >/dev/null 2>&1; then
  if [[ ! -f build/compile_commands.json ]]; then
    echo "lint.sh: clang-tidy needs build/compile_commands.json: run 'cmake --preset default' first" >&2
    exit 2
  fi
  sources 'src/*.cpp' |
    xargs -0 -n 4 -P 2 clang-tidy -p build --quiet 2>/dev/null || status=1
else
  echo "lint.sh: clang-tidy skipped: clang-tidy is not installed"
fi
[[ $status -eq 0 ]] && echo "lint.sh: format and clang-tidy clean"
exit "$status"
