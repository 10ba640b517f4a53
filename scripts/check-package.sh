#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the release preset and checks it with lintian, which is
# installed first when missing. Fails when lintian reports an error; prints the package's path.
#   scripts/check-package.sh [lintian options]
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
for p in lintian dpkg-dev help2man; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || need+=("$p")
done
if [[ ${#need[@]} -gt 0 ]]; then
  bash scripts/install-deps.sh "${need[@]}"
fi

cmake --preset release >/dev/null
cmake --build --preset release
(cd build-release && cpack -G DEB >/dev/null)
package=$(ls -t build-release/zerkon_*.deb | head -n 1)
echo "check-package.sh: $package"
# Errors fail the check; warnings are shown (the README says why any is left).
lintian --fail-on error --display-info "$@" "$package"
echo "check-package.sh: lintian found no error"
