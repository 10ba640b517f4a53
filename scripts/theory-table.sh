#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints, as a Markdown table, the model's face pressures beside exact shock-expansion theory
# over a grid of free-stream speeds (at the default 273 K and 100 000 Pa) and plate angles,
# as `zerkon-cli theory` reports them. The table in docs/model.md is this script's output.
#
#   bash scripts/theory-table.sh [path/to/zerkon-cli] > table.md
#
# Needs bash and python3 (only to read the JSON and format the numbers).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cli="${1:-${ZERKON_CLI:-$here/build/src/cli/zerkon-cli}}"
if [[ ! -x "$cli" ]]; then
  echo "theory-table: no zerkon-cli at $cli (build it, or pass its path)" >&2
  exit 1
fi

velocities=(300 400 450 600 900 1200)  # m/s
angles=(2 5 10 20)                      # degrees

# Reads one JSON document a line and writes the table.
formatter=$(cat <<'PY'
import json, sys

REGIMES = {"attached": "shock-expansion", "attached_subsonic": "attached, M₂ < 1",
           "mach_waves": "Mach waves", "subsonic": "subsonic", "detached": "detached",
           "vacuum": "vacuum", "no_gas": "no gas", "absolute_zero": "T₁ = 0",
           "invalid": "invalid input"}

def num(value, decimals):
    # Absent values (null) and the JSON spellings of non-numbers read as a dash.
    if not isinstance(value, (int, float)) or isinstance(value, bool):
        return "—"
    return f"{value:.{decimals}f}"

print("| V₁ (m/s) | M₁ | α | regime | lower p/p₁ exact | lower p/p₁ model "
      "| upper p/p₁ exact | upper p/p₁ model | c_l exact | c_l Ackeret |")
print("|---:|---:|---:|---|---:|---:|---:|---:|---:|---:|")
for line in sys.stdin:
    if not line.strip():
        continue
    r = json.loads(line)
    lower, upper = r.get("lower") or {}, r.get("upper") or {}
    print(f"| {r['velocity']:.0f} | {num(r['mach'], 3)} | {r['angleDeg']:.0f}° "
          f"| {REGIMES.get(r['regime'], r['regime'])} "
          f"| {num(lower.get('pressure'), 3)} | {num(lower.get('modelPressure'), 3)} "
          f"| {num(upper.get('pressure'), 3)} | {num(upper.get('modelPressure'), 3)} "
          f"| {num(r.get('lift'), 4)} | {num(r.get('linearLift'), 4)} |")
PY
)

# One JSON document a line, in table order.
for v in "${velocities[@]}"; do
  for a in "${angles[@]}"; do
    QT_QPA_PLATFORM=offscreen "$cli" --velocity "$v" --angle "$a" theory --json 2>/dev/null |
      tr -d '\n'
    echo
  done
done | python3 -c "$formatter"
