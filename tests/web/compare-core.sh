#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the toolkit-free core for WebAssembly (the `web` preset's settings), runs its driver
# under node on every line of cases.txt and compares each answer byte for byte with what the
# native zerkon-cli writes for the same line, and each picture pixel for pixel with its PNG.
# Prints one line per differing answer (the first differing byte and the text around it on
# both sides, or the first differing pixel) and a summary.
#   compare-core.sh SOURCE_DIR ZERKON_CLI WORK_DIR [NATIVE_DRIVER]
# With NATIVE_DRIVER the native build of the driver is compared instead, which checks the
# driver and this script on any machine.
# Exit status: 0 all identical, 1 something differs, 77 skipped (no emcc or node).
set -euo pipefail
source_dir=$1
cli=$2
work=$3
native_driver=${4:-}
answers=$work/answers
rm -rf "$answers" && mkdir -p "$answers"

# Builds the driver for WebAssembly and runs it under node; 77 when the tools are missing.
run_web() {
  for tool in emcc node; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "skipped: $tool is not installed (Debian: emscripten, nodejs)"
      return 77
    fi
  done
  toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
  if [[ ! -f $toolchain ]]; then
    echo "skipped: no Emscripten toolchain file at $toolchain"
    return 77
  fi

  # Debian's Emscripten runs its JavaScript tools with node and finds their modules there.
  export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
  build=$work/build
  # The web preset's build already holds the driver (scripts/dev.sh test builds it first).
  if [[ -f $source_dir/build-web/tests/web/driver/zerkon-core-driver.js ]]; then
    build=$source_dir/build-web
  else
    mkdir -p "$build"
    cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DZERKON_CORE_ONLY=ON -DBUILD_TESTING=OFF >"$work/configure.log" 2>&1 ||
        { echo "cannot configure the WebAssembly build (see $work/configure.log)"; return 1; }
    cmake --build "$build" --target zerkon-core-driver >"$work/build.log" 2>&1 ||
      { echo "cannot build the WebAssembly driver (see $work/build.log)"; tail -20 "$work/build.log"; return 1; }
  fi

  # node 18 and later offer fetch(), which this Emscripten's loader would use for a local file.
  node_flags=()
  if node --no-experimental-fetch -e '' >/dev/null 2>&1; then node_flags+=(--no-experimental-fetch); fi
  node "${node_flags[@]}" "$build/tests/web/driver/zerkon-core-driver.js" \
    "$source_dir/tests/web/cases.txt" "$answers" ||
    { echo "the WebAssembly driver failed"; return 1; }
}

if [[ -n $native_driver ]]; then
  "$native_driver" "$source_dir/tests/web/cases.txt" "$answers" ||
    { echo "the native driver failed"; exit 1; }
else
  status=0
  run_web || status=$?
  [[ $status -eq 0 ]] || exit "$status"
fi

compared=0
differ=0
pictures=0
number=0
native=$work/native.out
while IFS= read -r line || [[ -n $line ]]; do
  number=$((number + 1))
  [[ -z $line || $line == \#* ]] && continue
  read -r -a args <<<"$line"
  if [[ " $line " == *" render "* ]]; then
    pictures=$((pictures + 1))
    "$cli" "${args[@]}" - >"$work/native.png" 2>"$work/native.err" ||
      { echo "line $number ($line): zerkon-cli failed: $(head -1 "$work/native.err")"; differ=$((differ + 1)); continue; }
    if [[ ! -f $answers/$number.rgba ]]; then
      echo "line $number ($line): no picture from the driver"
      differ=$((differ + 1))
    elif ! report=$(python3 "$source_dir/tests/web/same-picture.py" "$work/native.png" "$answers/$number.rgba" 2>&1); then
      echo "line $number ($line): the picture differs: $report"
      differ=$((differ + 1))
    fi
    continue
  fi
  "$cli" --json "${args[@]}" >"$native" 2>"$work/native.err" ||
    { echo "line $number ($line): zerkon-cli failed: $(head -1 "$work/native.err")"; differ=$((differ + 1)); continue; }
  web=$answers/$number.json
  compared=$((compared + 1))
  if [[ ! -f $web ]]; then
    echo "line $number ($line): no answer from the WebAssembly build"
    differ=$((differ + 1))
  elif ! cmp -s "$native" "$web"; then
    at=$(cmp "$native" "$web" 2>/dev/null | awk '{print $5}' | tr -d ,) || true
    at=${at:-$(($(stat -c %s "$native") < $(stat -c %s "$web") ? $(stat -c %s "$native") : $(stat -c %s "$web")) + 1)}
    from=$((at > 40 ? at - 40 : 1))
    echo "line $number ($line): differs from byte $at:"
    echo "  native: ...$(tail -c +"$from" "$native" | head -c 90)"
    echo "  web:    ...$(tail -c +"$from" "$web" | head -c 90)"
    differ=$((differ + 1))
  fi
done <"$source_dir/tests/web/cases.txt"

echo "$((compared + pictures - differ)) of $((compared + pictures)) answers identical" \
  "($compared JSON answers byte for byte, $pictures pictures pixel for pixel)"
[[ $differ -eq 0 ]]
