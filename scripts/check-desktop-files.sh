#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry and the AppStream metainfo with the distribution's own tools:
# any error or warning fails. Exits 77 (a skip for ctest) when neither tool is installed.
set -euo pipefail
cd "$(dirname "$0")/.."

ran=0
status=0
if command -v desktop-file-validate >/dev/null 2>&1; then
  ran=1
  # desktop-file-validate prints nothing for a clean file; hints and warnings count too.
  report=$(desktop-file-validate src/ui/org.example.zerkon.desktop 2>&1) || status=1
  if [[ -n $report ]]; then
    echo "$report"
    status=1
  fi
else
  echo "check-desktop-files.sh: desktop-file-validate skipped: desktop-file-utils is not installed"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  ran=1
  # --pedantic, so that even the smallest remark shows; only errors and warnings fail.
  report=$(appstreamcli validate --no-net --pedantic --no-color \
    src/ui/org.example.zerkon.metainfo.xml 2>&1) || status=1
  if grep -qE '^[EW]:' <<<"$report"; then
    echo "$report"
    status=1
  fi
else
  echo "check-desktop-files.sh: appstreamcli skipped: appstream is not installed"
fi
[[ $ran -eq 1 ]] || exit 77
[[ $status -eq 0 ]] && echo "check-desktop-files.sh: desktop entry and metainfo valid"
exit "$status"
